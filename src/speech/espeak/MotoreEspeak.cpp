#include "speech/espeak/MotoreEspeak.h"

#include "speech/UscitaAudioPulse.h"
#include "speech/espeak/SessioneEspeak.h"

MotoreEspeak::MotoreEspeak(QObject* parent) : MotoreEspeak(Opzioni{}, parent) {}

MotoreEspeak::MotoreEspeak(Opzioni opzioni, QObject* parent)
    : MotoreIncorporato({[cartella = std::move(opzioni.cartellaDati)] {
                             return std::unique_ptr<Sintetizzatore>(new SessioneEspeak(cartella));
                         },
                         opzioni.uscita
                             ? std::move(opzioni.uscita)
                             : [] { return std::unique_ptr<UscitaAudio>(new UscitaAudioPulse); },
                         opzioni.avvioRinviato},
                        parent) {
    setObjectName(QStringLiteral("embedded espeak-ng"));
}
