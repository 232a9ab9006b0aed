// From a speak request to the first sound handed to the audio output, for the
// shortest and the longest question sentences the program can ask, through
// the real engine and the real output (which keeps time silently where there
// is no sound device). The reference, timed in the same run, is the bare
// synthesizer making the first piece of the same sentence on the calling
// thread: what is left is the engine's own cost (its queue, its thread and
// the output).
//
// Then from a speak request to the first sound at the sound server, for the
// longest question in espeak-ng's voice, in SVOX Pico's and in festival's
// voice lp_diphone through the desktop's speech service, all heard the same
// way at the sink (bench/speech/Orecchio.h), a quarter as many times; the
// embedded voices share one sound output, as in the program. Without a sound
// server this part is left out; so is Pico's voice where its library is not
// installed (ERTAVINO_PICO_LIBRERIA and ERTAVINO_PICO_LINGUE point at one
// elsewhere), and festival's where the service does not offer it.
// Usage: bench_voce [repetitions]
#include "Misure.h"
#include "Orecchio.h"

#include "core/GeneratoreCasuale.h"
#include "language/Domanda.h"
#include "speech/MotoreVoci.h"
#include "speech/UscitaAudioPulse.h"
#include "speech/VelocitaVoce.h"
#include "speech/espeak/MotoreEspeak.h"
#include "speech/espeak/SessioneEspeak.h"
#include "speech/pico/MotorePico.h"
#include "speech/pico/SessionePico.h"
#include "speech/servizio/MotoreServizio.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSignalSpy>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

// Nanoseconds on the steady clock when the current request's first sound
// reached the output; 0 until then.
std::atomic<qint64> primaConsegna{0};

qint64 Adesso() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Orologio::now().time_since_epoch())
        .count();
}

// The real output, noting when it is first handed sound.
class UscitaCronometrata : public UscitaAudio {
public:
    explicit UscitaCronometrata(std::shared_ptr<UscitaPulse> uscita) : vera_(std::move(uscita)) {}
    void Prepara(int campioniAlSecondo) override { vera_.Prepara(campioniAlSecondo); }
    qint64 Scrivi(const char* dati, qint64 byte) override {
        // Taken once the output has accepted it: opening the sink counts.
        const qint64 presi = vera_.Scrivi(dati, byte);
        qint64 atteso = 0;
        if (presi > 0)
            primaConsegna.compare_exchange_strong(atteso, Adesso());
        return presi;
    }
    qint64 Suonati() override { return vera_.Suonati(); }
    void Ferma() override { vera_.Ferma(); }

private:
    UscitaAudioPulse vera_;
};

// The shortest and the longest question sentence, found by drawing many
// questions of every level under both conventions.
std::pair<QString, QString> FrasiEstreme() {
    GeneratoreCasuale casuale;
    casuale.Semina(2003);
    QString corta, lunga;
    for (Livello livello :
         {Livello::OreIntere, Livello::MezzeOre, Livello::Quarti, Livello::CinqueMinuti}) {
        for (qint16 modoOre : {qint16(12), qint16(24)}) {
            for (bool aTrenta : {false, true}) {
                for (int i = 0; i < 3000; ++i) {
                    const QString frase =
                        NuovaDomanda({livello, modoOre, modoOre, aTrenta}, casuale).FraseDaDire;
                    if (corta.isEmpty() || frase.size() < corta.size())
                        corta = frase;
                    if (frase.size() > lunga.size())
                        lunga = frase;
                }
            }
        }
    }
    return {corta, lunga};
}

// The bare synthesizer: the first piece of `frase`, made on this thread.
Misure PrimoPezzoDiretto(Sintetizzatore& sessione, const QString& frase, int ripetizioni) {
    sessione.ScegliVoce(QStringLiteral("it"));
    sessione.ImpostaVelocita(VelocitaPredefinita);
    Misure m;
    for (int i = 0; i < ripetizioni; ++i) {
        QElapsedTimer t;
        t.start();
        double primo = -1;
        sessione.Sintetizza(frase, [&](const qint16*, int) {
            primo = MillisecondiDa(t);
            return false; // the rest of the sentence is not needed
        });
        if (primo >= 0)
            m.Aggiungi(primo);
    }
    return m;
}

// Milliseconds of sound before the first sample louder than a hundredth of
// full scale: the silence a synthesizer puts before a sentence.
double SilenzioIniziale(Sintetizzatore& sessione, const QString& frase) {
    qsizetype prima = 0;
    bool sentito = false;
    sessione.Sintetizza(frase, [&](const qint16* campioni, int quanti) {
        for (int i = 0; i < quanti && !sentito; ++i, ++prima)
            sentito = std::abs(campioni[i]) > 327;
        return !sentito;
    });
    return 1000.0 * double(prima) / sessione.CampioniAlSecondo();
}

// The engine: from Parla to the first sound at the output. False when the
// engine failed to speak or to fall silent.
bool PrimoSuono(MotoreEspeak& motore, const QString& frase, int ripetizioni, Misure& m) {
    QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
    for (int i = 0; i < ripetizioni; ++i) {
        primaConsegna = 0;
        const qint64 inizio = Adesso();
        motore.Parla(frase);
        QDeadlineTimer limite(5000);
        while (primaConsegna.load() == 0 && !limite.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (primaConsegna.load() == 0) {
            std::fprintf(stderr, "no sound reached the output\n");
            return false;
        }
        m.Aggiungi(double(primaConsegna.load() - inizio) / 1e6);
        // Stop and wait for silence, so each request starts from an idle engine.
        silenzio.clear();
        motore.Ferma();
        if (!silenzio.wait(5000)) {
            std::fprintf(stderr, "the engine did not fall silent\n");
            return false;
        }
    }
    return true;
}

// From Parla to the first sound the sound server plays, in voice `numero`.
// Each request starts from silence: the one before is stopped and the sink
// heard silent for 300 ms. False when no sound came.
bool PrimoSuonoAlServer(MotoreVoce& voci, int numero, const QString& frase, int ripetizioni,
                        Orecchio& orecchio, Misure& m) {
    voci.SelezionaVoce(numero);
    voci.ImpostaVelocita(VelocitaPredefinita);
    for (int i = 0; i < ripetizioni; ++i) {
        voci.Ferma();
        QDeadlineTimer quiete(5000);
        while (Orecchio::Adesso() - orecchio.UltimoSuono() < 300'000'000 && !quiete.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const qint64 inizio = orecchio.Arma();
        voci.Parla(frase);
        QDeadlineTimer limite(5000);
        while (orecchio.PrimoSuono() == 0 && !limite.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (orecchio.PrimoSuono() == 0) {
            std::fprintf(stderr, "no sound reached the sound server in voice %s\n",
                         qPrintable(voci.NomeVoce(numero)));
            return false;
        }
        m.Aggiungi(double(orecchio.PrimoSuono() - inizio) / 1e6);
    }
    voci.Ferma();
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ripetizioni = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const auto [corta, lunga] = FrasiEstreme();

    // The synthesizer serves one user at a time: the bare timings first,
    // then the engine.
    Misure direttaCorta, direttaLunga;
    {
        SessioneEspeak sessione({});
        direttaCorta = PrimoPezzoDiretto(sessione, corta, ripetizioni);
        direttaLunga = PrimoPezzoDiretto(sessione, lunga, ripetizioni);
    }
    if (direttaCorta.Vuote() || direttaLunga.Vuote()) {
        std::fprintf(stderr, "no Italian voice installed\n");
        return 1;
    }
    Misure direttaPico;
    double silenzioPico = 0;
    {
        // Pico's as the program would load it, or where the variables say.
        SessionePico sessione(
            qEnvironmentVariable("ERTAVINO_PICO_LIBRERIA", QStringLiteral("libttspico.so.0")),
            qEnvironmentVariable("ERTAVINO_PICO_LINGUE", QStringLiteral("/usr/share/pico/lang")));
        direttaPico = PrimoPezzoDiretto(sessione, lunga, ripetizioni);
        if (!direttaPico.Vuote())
            silenzioPico = SilenzioIniziale(sessione, lunga);
    }

    const auto uscitaVera = std::make_shared<UscitaPulse>();
    MotoreEspeak motore(MotoreEspeak::Opzioni{{}, [uscitaVera] {
                                                  return std::unique_ptr<UscitaAudio>(
                                                      new UscitaCronometrata(uscitaVera));
                                              }});
    if (motore.NumeroVoci() == 0) {
        std::fprintf(stderr, "no Italian voice installed\n");
        return 1;
    }
    Misure motoreCorta, motoreLunga;
    if (!PrimoSuono(motore, corta, ripetizioni, motoreCorta) ||
        !PrimoSuono(motore, lunga, ripetizioni, motoreLunga))
        return 1;

    const char* uscita = uscitaVera->ConSuono() ? "sound server" : "no sound server, silent timing";
    for (const auto& [nome, frase, m, diretta] :
         {std::tuple{"shortest", corta, motoreCorta, direttaCorta},
          std::tuple{"longest", lunga, motoreLunga, direttaLunga}}) {
        std::printf("speak request -> first PCM at the output, %s question \"%s\" (%s): %s\n", nome,
                    qPrintable(frase), uscita, qPrintable(m.Riassunto()));
        std::printf("  bare synthesizer, first piece of the same sentence: %s\n",
                    qPrintable(diretta.Riassunto()));
        RigaRisultati({QStringLiteral("2. Speech latency, %1 question (%2 characters)")
                           .arg(QLatin1String(nome))
                           .arg(frase.size()),
                       m.Riassunto(),
                       QStringLiteral("bare synthesizer's first piece: %1 ms")
                           .arg(diretta.Mediana(), 0, 'f', 3),
                       QStringLiteral("median < 10 ms"),
                       m.Mediana() < 10.0 ? QStringLiteral("met") : QStringLiteral("missed")});
    }

    const QString festival = QStringLiteral("lp_diphone (festival)");
    Orecchio orecchio;
    if (!orecchio.Avvia()) {
        std::printf("no sound server: the first sound at the sound server is not timed\n");
        return 0;
    }
    MotorePico pico({.uscita = [uscitaVera] {
        return std::unique_ptr<UscitaAudio>(new UscitaCronometrata(uscitaVera));
    }});
    MotoreServizio servizio;
    MotoreVoci voci({&pico, &motore, &servizio});
    voci.RileggiVoci();
    const int volte = std::max(1, ripetizioni / 4);
    Misure incorporata;
    if (!PrimoSuonoAlServer(voci, pico.NumeroVoci() + 1, lunga, volte, orecchio, incorporata))
        return 1;
    std::printf("speak request -> first sound at the sound server, longest question, embedded "
                "voice: %s\n",
                qPrintable(incorporata.Riassunto()));
    RigaRisultati(
        {QStringLiteral("2. Speech latency to the sound server, longest question, "
                        "embedded voice"),
         incorporata.Riassunto(), QStringLiteral("-"), QStringLiteral("median < 10 ms"),
         incorporata.Mediana() < 10.0 ? QStringLiteral("met") : QStringLiteral("missed")});
    Misure naturale;
    if (pico.NumeroVoci() == 0) {
        std::printf("SVOX Pico is not installed: its voice is not timed\n");
    } else {
        if (!PrimoSuonoAlServer(voci, 1, lunga, volte, orecchio, naturale))
            return 1;
        std::printf("speak request -> first sound at the sound server, longest question, "
                    "Pico's voice: %s\n",
                    qPrintable(naturale.Riassunto()));
        std::printf("  bare synthesizer, first piece of the same sentence: %s; it begins with "
                    "%.1f ms of silence\n",
                    qPrintable(direttaPico.Riassunto()), silenzioPico);
        RigaRisultati(
            {QStringLiteral("2. Speech latency to the sound server, longest question, "
                            "SVOX Pico's voice"),
             naturale.Riassunto(),
             QStringLiteral("bare synthesizer's first piece: %1 ms, %2 ms of silence before the "
                            "first sound; espeak-ng's voice, same measure: %3 ms")
                 .arg(direttaPico.Mediana(), 0, 'f', 1)
                 .arg(silenzioPico, 0, 'f', 0)
                 .arg(incorporata.Mediana(), 0, 'f', 1),
             QStringLiteral("none: Pico reads the whole sentence first, and its sentences "
                            "begin with a silence, which parts one from the next"),
             QStringLiteral("-")});
    }
    int numeroFestival = 0;
    for (int n = 1; n <= voci.NumeroVoci(); ++n)
        numeroFestival = voci.NomeVoce(n) == festival ? n : numeroFestival;
    if (numeroFestival == 0) {
        std::printf("the speech service does not offer %s: it is not timed\n",
                    qPrintable(festival));
        return 0;
    }
    Misure servizioFestival;
    if (!PrimoSuonoAlServer(voci, numeroFestival, lunga, volte, orecchio, servizioFestival))
        return 1;
    std::printf("speak request -> first sound at the sound server, longest question, %s through "
                "the speech service: %s\n",
                qPrintable(festival), qPrintable(servizioFestival.Riassunto()));
    RigaRisultati({QStringLiteral("2. Speech latency to the sound server, longest question, "
                                  "festival's %1 through speech-dispatcher")
                       .arg(festival.section(QLatin1Char(' '), 0, 0)),
                   servizioFestival.Riassunto(),
                   QStringLiteral("embedded voice, same measure: %1 ms")
                       .arg(incorporata.Mediana(), 0, 'f', 1),
                   QStringLiteral("none: festival makes the whole sentence before it sounds"),
                   QStringLiteral("-")});
    return 0;
}
