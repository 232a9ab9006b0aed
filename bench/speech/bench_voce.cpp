// From a speak request to the first sound handed to the audio output, for the
// shortest and the longest question sentences the program can ask, through
// the real engine and the real output (which keeps time silently where there
// is no sound device). The reference, timed in the same run, is the bare
// synthesizer making the first piece of the same sentence on the calling
// thread: what is left is the engine's own cost (its queue, its thread and
// the output). Usage: bench_voce [repetitions]
#include "Misure.h"

#include "core/GeneratoreCasuale.h"
#include "language/Domanda.h"
#include "speech/MotoreEspeak.h"
#include "speech/SessioneEspeak.h"
#include "speech/UscitaAudioQt.h"
#include "speech/VelocitaVoce.h"

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
std::atomic<bool> conSuono{false};

qint64 Adesso() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Orologio::now().time_since_epoch())
        .count();
}

// The real output, noting when it is first handed sound.
class UscitaCronometrata : public UscitaAudio {
public:
    void Prepara(int campioniAlSecondo) override {
        vera_.Prepara(campioniAlSecondo);
        conSuono = vera_.ConSuono();
    }
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
    UscitaAudioQt vera_;
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
Misure PrimoPezzoDiretto(const QString& frase, int ripetizioni) {
    SessioneEspeak sessione({});
    sessione.ScegliVoce(QStringLiteral("it"));
    sessione.ImpostaVelocita(ParametriDiVelocita(VelocitaPredefinita));
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ripetizioni = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const auto [corta, lunga] = FrasiEstreme();

    // The synthesizer serves one user at a time: the bare timings first,
    // then the engine.
    Misure direttaCorta = PrimoPezzoDiretto(corta, ripetizioni);
    Misure direttaLunga = PrimoPezzoDiretto(lunga, ripetizioni);
    if (direttaCorta.Vuote() || direttaLunga.Vuote()) {
        std::fprintf(stderr, "no Italian voice installed\n");
        return 1;
    }

    MotoreEspeak motore(MotoreEspeak::Opzioni{
        {}, [] { return std::unique_ptr<UscitaAudio>(new UscitaCronometrata); }});
    if (motore.NumeroVoci() == 0) {
        std::fprintf(stderr, "no Italian voice installed\n");
        return 1;
    }
    Misure motoreCorta, motoreLunga;
    if (!PrimoSuono(motore, corta, ripetizioni, motoreCorta) ||
        !PrimoSuono(motore, lunga, ripetizioni, motoreLunga))
        return 1;

    const char* uscita = conSuono ? "sound server" : "no sound device, silent timing";
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
    return 0;
}
