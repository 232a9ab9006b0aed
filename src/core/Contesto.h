#pragma once

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

    qint16 SuoniAttivati = -1; // -1 on, 0 off; never stored
    qint16 NumeroVoce = 1;     // 1-based voice number, line 1 of the settings file
    qint16 VelocitaVoce = 135; // speech speed, line 2 of the settings file
    QString PercorsoIni;       // full path of the settings file
};
