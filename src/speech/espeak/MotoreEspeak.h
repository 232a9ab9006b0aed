#pragma once

#include "speech/MotoreIncorporato.h"

// The program's own speech engine: the Italian voice of the espeak-ng
// library, linked in, and its variants.
class MotoreEspeak : public MotoreIncorporato {
    Q_OBJECT
public:
    struct Opzioni {
        // The voice data folder; empty for the one installed with the library.
        QString cartellaDati = {};
        // Makes the sound output, on the engine's thread; empty for the sound
        // server.
        FabbricaUscita uscita = {};
        bool avvioRinviato = false; // as MotoreIncorporato's
    };

    explicit MotoreEspeak(QObject* parent = nullptr);
    explicit MotoreEspeak(Opzioni opzioni, QObject* parent = nullptr);
};
