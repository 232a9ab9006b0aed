#pragma once

#include "speech/MotoreIncorporato.h"

// SVOX Pico's Italian voice, when the library and its voice data are
// installed (Debian's libttspico0 and libttspico-data); without them the
// engine has no voice.
class MotorePico : public MotoreIncorporato {
    Q_OBJECT
public:
    struct Opzioni {
        // The library and its data folder; empty for the installed ones. The
        // variables ERTAVINO_PICO_LIBRERIA and ERTAVINO_PICO_LINGUE, which
        // only tests set, replace those.
        QString libreria = {};
        QString cartellaLingue = {};
        // Makes the sound output, on the engine's thread; empty for the sound
        // server.
        FabbricaUscita uscita = {};
        bool avvioRinviato = false; // as MotoreIncorporato's
    };

    explicit MotorePico(Opzioni opzioni, QObject* parent = nullptr);
};
