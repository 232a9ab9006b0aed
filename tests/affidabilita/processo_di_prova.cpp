// A stand-in copy of the program for the process-level fault tests. It runs
// the program's real settings writer and single-copy lock:
//   salva-ciclo <ini>              saves two settings alternately until killed
//   istanza <lock> <via>           waits until the file <via> exists, takes the
//                                  lock, prints "preso" or "rifiutato", then
//                                  holds it until its standard input closes
//   salva-limitato <ini> <byte>    saves with files limited to <byte> bytes
//                                  (a disk that fills up); prints "ok" or "fallito"
//   salva <ini>                    saves voice 7, speed 177; prints "ok" or "fallito"
//   carica <ini>                   loads the settings; prints the two values and
//                                  the number of messages shown
// With "--nessuno" first, a copy started by root runs as the unprivileged
// user "nobody", so that file permissions bind it as they bind a teacher.
#include "ContestoDiProva.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"

#include <QCoreApplication>
#include <QFile>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList a = app.arguments();
    if (a.size() > 1 && a[1] == "--nessuno") {
        a.removeAt(1);
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return 3;
    }
    if (a.size() < 3)
        return 2;
    ContestoDiProva p;
    p.contesto.PercorsoIni = a[2];

    if (a[1] == "salva-ciclo") {
        for (qint16 giro = 0;; giro = qint16(1 - giro)) {
            p.contesto.NumeroVoce = giro ? 2 : 1;
            p.contesto.VelocitaVoce = giro ? 200 : 100;
            Impostazioni::SalvaImpostazioni(p.contesto);
        }
    }
    if (a[1] == "istanza" && a.size() == 4) {
        while (!QFile::exists(a[3]))
            QThread::usleep(200);
        IstanzaUnica istanza(a[2]);
        std::puts(istanza.Acquisisci() ? "preso" : "rifiutato");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    if (a[1] == "salva-limitato" && a.size() == 4) {
        std::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead
        const rlim_t limite = a[3].toULong();
        const rlimit r{limite, limite};
        setrlimit(RLIMIT_FSIZE, &r);
        p.contesto.NumeroVoce = 7;
        p.contesto.VelocitaVoce = 177;
        std::puts(Impostazioni::SalvaImpostazioni(p.contesto) ? "ok" : "fallito");
        return 0;
    }
    if (a[1] == "salva") {
        p.contesto.NumeroVoce = 7;
        p.contesto.VelocitaVoce = 177;
        std::puts(Impostazioni::SalvaImpostazioni(p.contesto) ? "ok" : "fallito");
        return 0;
    }
    if (a[1] == "carica") {
        Impostazioni::CaricaImpostazioni(p.contesto);
        std::printf("%d %d %d\n", p.contesto.NumeroVoce, p.contesto.VelocitaVoce,
                    int(p.messaggi.registro.size()));
        return 0;
    }
    return 2;
}
