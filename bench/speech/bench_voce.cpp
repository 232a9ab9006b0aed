// From a speak request to the first sound handed to the audio output, for a
// typical question sentence, through the real engine and the real output
// (which keeps time silently where there is no sound device). Prints the
// median. Usage: bench_voce [repetitions]
#include "speech/MotoreEspeak.h"
#include "speech/UscitaAudioQt.h"

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
    void Prepara(int campioniAlSecondo) override { vera_.Prepara(campioniAlSecondo); }
    qint64 Scrivi(const char* dati, qint64 byte) override {
        // Taken once the output has accepted it: opening the sink counts.
        const qint64 presi = vera_.Scrivi(dati, byte);
        conSuono = vera_.ConSuono();
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int ripetizioni = argc > 1 ? std::max(1, atoi(argv[1])) : 200;
    const QString frase = QStringLiteral("Manca un quarto d'ora a mezzanotte.");

    MotoreEspeak motore(MotoreEspeak::Opzioni{
        {}, [] { return std::unique_ptr<UscitaAudio>(new UscitaCronometrata); }});
    if (motore.NumeroVoci() == 0) {
        std::fprintf(stderr, "no Italian voice installed\n");
        return 1;
    }
    QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);

    std::vector<double> millisecondi;
    for (int i = 0; i < ripetizioni; ++i) {
        primaConsegna = 0;
        const qint64 inizio = Adesso();
        motore.Parla(frase);
        QDeadlineTimer limite(5000);
        while (primaConsegna.load() == 0 && !limite.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        if (primaConsegna.load() == 0) {
            std::fprintf(stderr, "no sound reached the output\n");
            return 1;
        }
        millisecondi.push_back(double(primaConsegna.load() - inizio) / 1e6);
        // Stop and wait for silence, so each request starts from an idle engine.
        silenzio.clear();
        motore.Ferma();
        if (!silenzio.wait(5000)) {
            std::fprintf(stderr, "the engine did not fall silent\n");
            return 1;
        }
    }

    std::sort(millisecondi.begin(), millisecondi.end());
    const std::size_t n = millisecondi.size();
    const double mediana =
        n % 2 ? millisecondi[n / 2] : (millisecondi[n / 2 - 1] + millisecondi[n / 2]) / 2.0;
    std::printf("speak request -> first PCM at the output (%s): median %.3f ms, "
                "p90 %.3f ms, max %.3f ms, n %zu\n",
                conSuono ? "sound server" : "no sound device, silent timing", mediana,
                millisecondi[std::min(n - 1, n * 9 / 10)], millisecondi.back(), n);
    return 0;
}
