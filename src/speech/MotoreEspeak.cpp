#include "speech/MotoreEspeak.h"

#include "speech/SessioneEspeak.h"
#include "speech/UscitaAudioPulse.h"

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
