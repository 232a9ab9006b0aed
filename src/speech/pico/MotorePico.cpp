#include "speech/pico/MotorePico.h"

#include "speech/UscitaAudioPulse.h"
#include "speech/pico/SessionePico.h"

namespace {
QString OppureInstallata(const QString& dato, const char* variabile, const char* installata) {
    return !dato.isEmpty() ? dato : qEnvironmentVariable(variabile, QString::fromUtf8(installata));
}
} // namespace

MotorePico::MotorePico(Opzioni opzioni, QObject* parent)
    : MotoreIncorporato(
          {[libreria =
                OppureInstallata(opzioni.libreria, "ERTAVINO_PICO_LIBRERIA", "libttspico.so.0"),
            lingue = OppureInstallata(opzioni.cartellaLingue, "ERTAVINO_PICO_LINGUE",
                                      "/usr/share/pico/lang")] {
               return std::unique_ptr<Sintetizzatore>(new SessionePico(libreria, lingue));
           },
           opzioni.uscita ? std::move(opzioni.uscita)
                          : [] { return std::unique_ptr<UscitaAudio>(new UscitaAudioPulse); },
           opzioni.avvioRinviato},
          parent) {
    setObjectName(QStringLiteral("embedded Pico"));
}
