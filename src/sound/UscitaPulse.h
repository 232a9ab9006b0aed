#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QLoggingCategory>

#include <array>
#include <mutex>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// "ertavino.sound": the sound server found, lost or missing, a stretch of
// sound timed silently, each feedback sound played or skipped. Off by
// default; QT_LOGGING_RULES="ertavino.sound.debug=true" shows it.
Q_DECLARE_LOGGING_CATEGORY(registroSuono)

// The program's one connection to the desktop's sound server, through
// PulseAudio's client library (PipeWire desktops serve it as well): one
// context and a playback stream for each channel, named for the mixer. It is
// the only code that talks to the sound server.
//
// Every call may come from any thread and returns at once: it takes the
// client thread's lock for a moment and never waits for the server. The
// connection is made in the background on first need, and again at the next
// stretch of sound after the server went away. Until a stretch finds the
// server (or when it goes away mid-stretch, or stops playing) the stretch is
// timed silently: what it was given counts as heard at the pace it would have
// been played, so whoever waits for the end still sees it come.
class UscitaPulse {
public:
    enum class Canale { Voce, Segnali };
    // Signed 16-bit samples, interleaved.
    struct Formato {
        int campioniAlSecondo = 0;
        int canali = 1;
    };

    UscitaPulse();
    ~UscitaPulse();
    UscitaPulse(const UscitaPulse&) = delete;
    UscitaPulse& operator=(const UscitaPulse&) = delete;

    // Starts connecting in the background unless connected or connecting.
    void Collega();
    // The format of what `canale` plays from now on; silences it first.
    void Prepara(Canale canale, Formato formato);
    // Takes up to `byte` bytes to play after what the channel already holds
    // and tells how many it took. The voice holds a short stretch ahead of
    // what is heard, so that a stop cuts little; the signals take everything.
    qint64 Scrivi(Canale canale, const char* dati, qint64 byte);
    // Nothing more comes in this stretch: the stream closes once it has played.
    void Concludi(Canale canale);
    // How many of the bytes taken since the last Ferma have been heard.
    qint64 Suonati(Canale canale);
    // Falls silent at once, dropping what the server and the channel hold
    // (a flush, not a drain), and closes the stream; counting starts again.
    void Ferma(Canale canale);
    // Whether the sound server is connected now.
    bool ConSuono();

private:
    enum class Server { Ignoto, Presente, Assente };
    struct Flusso {
        UscitaPulse* uscita = nullptr;
        Canale canale = Canale::Voce;
        pa_stream* stream = nullptr;
        Formato formato;
        QByteArray attesa;  // taken, not yet handed to the server
        qint64 scritti = 0; // taken since the last Ferma
        qint64 sentiti = 0; // heard, as last measured; never goes back
        bool concluso = false;
        // Timing silently: `baseMuta` bytes were heard when `orologio` started.
        bool muto = false;
        qint64 baseMuta = 0;
        QElapsedTimer orologio;
        QElapsedTimer fermoDa; // since `sentiti` last moved
    };

    void Avvia();
    void CollegaBloccato();
    void NuovoContesto();
    void ChiudiContesto();
    void Annuncia(Server server);
    void ApriStream(Flusso& f);
    void ChiudiStream(Flusso& f, bool svuota);
    void Alimenta(Flusso& f);
    void DiventaMuto(Flusso& f, const char* perche);
    qint64 SuonatiMuto(const Flusso& f) const;
    qint64 BytePerSecondo(const Flusso& f) const;
    Flusso& Di(Canale c) { return flussi_[size_t(c)]; }

    static void StatoContesto(pa_context* c, void* dati);
    static void StatoStream(pa_stream* s, void* dati);
    static void Richiesta(pa_stream* s, size_t byte, void* dati);
    static void Esaurito(pa_stream* s, void* dati);
    static void Svuotato(pa_stream* s, int riuscito, void* dati);

    class Blocco;
    std::once_flag avvio_;
    std::mutex senzaCiclo_;
    pa_threaded_mainloop* ciclo_ = nullptr;
    pa_context* contesto_ = nullptr;
    bool collegando_ = false; // a new context is due on the client thread
    bool chiusa_ = false;     // being destroyed: no new context
    // What the log last said of the server, so that only changes are logged.
    Server annunciato_ = Server::Ignoto;
    std::array<Flusso, 2> flussi_;
};
