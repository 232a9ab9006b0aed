// Cold start: from starting the program to its first window being mapped on
// the X server, against a bare Qt Widgets window started the same way. The two
// take turns, so that a machine growing busier or quieter weighs on both.
// Watches the X server directly (substructure events of the root window),
// so no polling stands between the map and the timing.
//
// Usage: misura_avvio [--iterazioni N] PROGRAM FLOOR
// Needs DISPLAY, an X server with nothing else mapping windows on it, and
// the environment the two programs should run in.

#include "Misure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace {

// How long a start may take before the run counts as failed.
constexpr int AttesaMassima = 30000;
// The thread the speech engine starts its synthesizer on.
const QString FiloVoce = QStringLiteral("voce");

class ServerX {
public:
    ServerX() : c_(xcb_connect(nullptr, nullptr)) {
        if (xcb_connection_has_error(c_))
            return;
        radice_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        const uint32_t maschera = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, radice_, XCB_CW_EVENT_MASK, &maschera);
        Svuota();
    }
    ~ServerX() { xcb_disconnect(c_); }
    ServerX(const ServerX&) = delete;
    ServerX& operator=(const ServerX&) = delete;

    bool Connesso() const { return !xcb_connection_has_error(c_); }

    // A round trip, then every event so far is dropped: what a previous run
    // left behind cannot be taken for the next run's window.
    void Svuota() {
        free(xcb_get_input_focus_reply(c_, xcb_get_input_focus(c_), nullptr));
        while (xcb_generic_event_t* e = xcb_poll_for_event(c_))
            free(e);
    }

    // Waits for a top-level window (not a menu or tooltip) to be mapped.
    bool AttendiFinestra(int millisecondi) {
        const auto scadenza =
            std::chrono::steady_clock::now() + std::chrono::milliseconds(millisecondi);
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                bool mappata = false;
                if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                    const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
                    mappata = m->event == radice_ && !m->override_redirect;
                }
                free(e);
                if (mappata)
                    return true;
            }
            const auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
                                   scadenza - std::chrono::steady_clock::now())
                                   .count();
            if (!Connesso() || resta <= 0)
                return false;
            pollfd attesa{xcb_get_file_descriptor(c_), POLLIN, 0};
            poll(&attesa, 1, int(resta));
        }
    }

private:
    xcb_connection_t* c_;
    xcb_window_t radice_ = 0;
};

bool HaFilo(pid_t pid, const QString& nome) {
    const QDir fili(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& filo : fili.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(fili.filePath(filo + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().trimmed() == nome.toUtf8())
            return true;
    }
    return false;
}

struct Avvio {
    bool riuscito = false;
    double millisecondi = 0.0;
    // CPU time of all the process's threads up to its end, which comes right
    // after the map: user and kernel (mapping libraries, page faults).
    double utente = 0.0, sistema = 0.0;
    bool voceAvviata = false; // the speech thread existed when the window was mapped
};

// Every start gets a runtime folder of its own: the program's single-copy
// lock, which a stopped run leaves behind, would otherwise make each start
// check a stale lock, as only a start after a crash does.
void NuovaCartellaRuntime(const QByteArray& base, int numero) {
    const QByteArray cartella = base + "/avvio-" + QByteArray::number(numero);
    QDir().mkpath(QFile::decodeName(cartella));
    QFile::setPermissions(QFile::decodeName(cartella),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", cartella);
}

Avvio Avvia(ServerX& x, const QByteArray& programma) {
    static const QByteArray base = qgetenv("XDG_RUNTIME_DIR").isEmpty()
                                       ? QFile::encodeName(QDir::tempPath())
                                       : qgetenv("XDG_RUNTIME_DIR");
    static int avvii = 0;
    NuovaCartellaRuntime(base, ++avvii);
    x.Svuota();
    char* argv[] = {const_cast<char*>(programma.constData()), nullptr};
    Avvio a;
    QElapsedTimer t;
    t.start();
    pid_t pid = 0;
    if (posix_spawn(&pid, programma.constData(), nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", programma.constData());
        return a;
    }
    a.riuscito = x.AttendiFinestra(AttesaMassima);
    a.millisecondi = MillisecondiDa(t);
    a.voceAvviata = HaFilo(pid, FiloVoce);
    kill(pid, SIGTERM);
    rusage uso{};
    wait4(pid, nullptr, 0, &uso);
    a.utente = uso.ru_utime.tv_sec * 1e3 + uso.ru_utime.tv_usec / 1e3;
    a.sistema = uso.ru_stime.tv_sec * 1e3 + uso.ru_stime.tv_usec / 1e3;
    if (!a.riuscito)
        std::fprintf(stderr, "%s mapped no window\n", programma.constData());
    return a;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList argomenti = app.arguments();
    const int iterazioni = Iterazioni(argomenti, 20);
    const QStringList programmi = argomenti.mid(argomenti.size() - 2);
    if (argomenti.size() < 3) {
        std::fprintf(stderr, "usage: misura_avvio [--iterazioni N] PROGRAM FLOOR\n");
        return 2;
    }
    ServerX x;
    if (!x.Connesso()) {
        std::fprintf(stderr, "no X server (DISPLAY)\n");
        return 2;
    }
    const QByteArray programma = QFile::encodeName(programmi.at(0));
    const QByteArray pavimento = QFile::encodeName(programmi.at(1));

    // One start each first, so that both find the files and caches warm.
    if (!Avvia(x, programma).riuscito || !Avvia(x, pavimento).riuscito)
        return 1;
    Misure tempi, tempiPavimento;
    Misure utente, sistema, utentePavimento, sistemaPavimento;
    int conVoce = 0;
    for (int i = 0; i < iterazioni; ++i) {
        for (int turno = 0; turno < 2; ++turno) {
            const bool delProgramma = (turno + i) % 2 == 0;
            const Avvio a = Avvia(x, delProgramma ? programma : pavimento);
            if (!a.riuscito)
                return 1;
            (delProgramma ? tempi : tempiPavimento).Aggiungi(a.millisecondi);
            (delProgramma ? utente : utentePavimento).Aggiungi(a.utente);
            (delProgramma ? sistema : sistemaPavimento).Aggiungi(a.sistema);
            if (delProgramma && a.voceAvviata)
                ++conVoce;
        }
    }
    const double rapporto = tempi.Mediana() / tempiPavimento.Mediana();
    std::printf("program:                         %s\n", qPrintable(tempi.Riassunto()));
    std::printf("bare Qt Widgets window:          %s\n", qPrintable(tempiPavimento.Riassunto()));
    std::printf("ratio of the medians:            %.2f\n", rapporto);
    std::printf("CPU until the map, program:      user %.1f ms, kernel %.1f ms (all threads)\n",
                utente.Mediana(), sistema.Mediana());
    std::printf("CPU until the map, bare window:  user %.1f ms, kernel %.1f ms\n",
                utentePavimento.Mediana(), sistemaPavimento.Mediana());
    std::printf("speech thread already running when the start screen was mapped: %d of %d runs\n",
                conVoce, iterazioni);
    RigaRisultati({QStringLiteral("1. Cold start, exec to the start screen mapped"),
                   tempi.Riassunto(),
                   QStringLiteral("bare Qt Widgets window: %1 ms; ratio %2; speech thread up at "
                                  "the map in %3 of %4 runs")
                       .arg(tempiPavimento.Mediana(), 0, 'f', 1)
                       .arg(rapporto, 0, 'f', 2)
                       .arg(conVoce)
                       .arg(iterazioni),
                   QStringLiteral("within 1.2x of the floor"),
                   rapporto <= 1.2 ? QStringLiteral("met") : QStringLiteral("missed")});
    return 0;
}
