#pragma once

#include "core/ValoriVoce.h"

#include <QString>
#include <QtGlobal>

class GeneratoreCasuale;
class Messaggi;
class Suonatore;

// The state that lives for the whole run, created once at start-up and handed
// to every screen. Tests build their own with fakes for the three services.
struct Contesto {
    Contesto(GeneratoreCasuale& casuale, Messaggi& messaggi, Suonatore& suonatore)
        : Casuale(casuale), Dialoghi(messaggi), Suoni(suonatore) {}

    GeneratoreCasuale& Casuale;
    Messaggi& Dialoghi; // message boxes
    Suonatore& Suoni;   // feedback sound player

    qint16 SuoniAttivati = -1;                 // -1 on, 0 off; never stored
    qint16 NumeroVoce = VocePredefinita;       // 1-based voice number
    qint16 VelocitaVoce = VelocitaPredefinita; // speech speed
    QString PercorsoIni;                       // full path of the settings file
};
