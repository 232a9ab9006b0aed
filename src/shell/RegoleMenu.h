#pragma once

#include "exercises/TabellaEsercizi.h"

#include <QString>
#include <array>

class Messaggi;
class QWidget;
struct Contesto;

// One exercise button of the main menu: where it stands, what it says, and
// which screen it opens under which clock convention.
struct BottoneEsercizio {
    const char* Nome;       // objectName: "Command2" .. "Command23"
    const char* Didascalia; // caption, UTF-8, exactly as shown
    int Sinistra, Alto;     // design place in twips (every button is 2300 x 1000)
    bool Frecce;            // answered with the arrow bars (second column of a group)
    Schermata Esercizio;    // the screen it opens
    qint16 ModoOre;         // 12 or 24
};

// The twenty exercise buttons, row by row: in each row the 12-hour click,
// 12-hour arrows, 24-hour click and 24-hour arrows buttons. The two
// whole-hour click captions end with a blank.
extern const std::array<BottoneEsercizio, 20> BottoniEsercizio;

inline const QString DomandaUscita = QStringLiteral("Vuoi uscire dal programma?");

// Who made the program, for the credits.
inline const QString AutoreProgramma = QStringLiteral("Il gruppo Ertavino");
inline const QString PostaProgramma = QStringLiteral("ertavino@example.org");

// The credits on four lines joined by CR LF: the author followed by two
// blanks; a blank, 23 dashes and a blank; the web site; "mail: " and the
// e-mail address.
QString TestoInformazioni();

// Shows the credits over `schermo` with the information icon and a single OK
// button.
void MostraInformazioni(Messaggi& messaggi, QWidget* schermo);

// Asks over `schermo` whether to leave the program. On Yes the settings file
// is written (even when nothing changed) and the answer is true: the caller
// ends the program at once. On No nothing changes.
bool ChiediUscita(Contesto& contesto, QWidget* schermo);
