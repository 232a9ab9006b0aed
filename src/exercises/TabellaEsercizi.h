#pragma once

#include "clockface/DisposizioneQuadrante.h"
#include "language/Domanda.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// The twelve exercise screens differ only in data: this table holds one row
// per screen, and the one exercise screen reads its row. Adding a screen means
// adding a row here. Colours are 0xBBGGRR values, as the program holds every
// colour (feedback/Colori.h); ColoreQt turns one into a QColor where it is
// drawn.

// clang-format off
enum class Schermata {
    Ruota1, Ruota2, Ruota3, Ruota4, Ruota5, Ruota5a,
    Ruota6, Ruota7, Ruota8, Ruota9, Ruota9a, Ruota10,
};
// clang-format on

enum class StileRisposta {
    Clic,   // the child clicks the dial's targets
    Frecce, // the child turns the hands with two bars and presses "Conferma"
};

// When a screen writes the asked time into Text1.
enum class MomentoTesto {
    Nessuno,         // arrow screens: the bars' time stands there instead
    PrimaDiParlare,  // frmRuota1, 3, 5, 5a: written before the sentence is spoken
    DopoAverParlato, // frmRuota7, 9, 9a: written after
};

// One step of a screen's activation; each screen runs its own list in order.
enum class PassoAttivazione {
    Posto,            // fill the display
    NuovoSeme,        // a fresh random sequence
    Quadrante,        // dial scale, drawing width 7, PiGreco
    Voce,             // ImpostaVoce: the stored voice and speed to the engine
    Contatori,        // QuantiErrati, then QuantiEsatti, to 0 and shown
    TestoIniziale,    // Text1 = "00 : 00"
    Istruzione,       // stop the speech, speak the screen's instruction
    LancetteIniziali, // the start hands of the arrow screens
    OraUno,           // the hours bar to 1
    Domanda,          // the first question
};

// A rectangle or a segment in design twips.
struct Riquadro {
    int sinistra = 0, alto = 0, larghezza = 0, altezza = 0;
};
struct Segmento {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool Vuoto() const { return x1 == x2 && y1 == y2; }
};

struct RigaEsercizio {
    Schermata schermata = Schermata::Ruota1;
    const char* nome = ""; // objectName: "frmRuota1" .. "frmRuota10"
    StileRisposta stile = StileRisposta::Clic;
    // red then blue hand (click), hour and minute hand (arrows)
    bool dueLancette = false;
    DisposizioneQuadrante disposizione = DisposizioneQuadrante::A;
    quint32 sfondo = 0xFFFFFF; // the dial's background, 0xBBGGRR
    // The questions: their level (and so the variables the judging reads),
    // the hours asked when the screen fixes them (0: those of the
    // convention), the half hours said with "e trenta", when Text1 is written.
    Livello livello = Livello::OreIntere;
    qint16 oreFisse = 0;
    bool aTrenta = false;
    MomentoTesto momento = MomentoTesto::Nessuno;
    QString istruzione = {};                 // spoken on activation
    bool istruzioneInFrase = false;          // the instruction goes through FraseDaDire
    bool puliscePerDomanda = false;          // each new question starts with an empty dial
    bool riascoltaRiscrive = false;          // "riascolta" also clears the dial and rewrites Text1
    Segmento lineaRossa = {}, lineaBlu = {}; // guide lines of the two-hand click screens
    QList<PassoAttivazione> attivazione = {};
    // Arrow screens only.
    int passiPerOra = 0;            // steps of the minutes bar in an hour (0: no minutes bar)
    bool oraPrimaDeiMinuti = false; // a minutes wrap sets the hours bar first
    Riquadro barraOre = {}, barraMinuti = {}; // the bars' places

    int MinutiPerPasso() const { return passiPerOra > 0 ? 60 / passiPerOra : 0; }
    // What the screen's questions are drawn from under the convention `modoOre`.
    Richiesta RichiestaDomanda(qint16 modoOre) const {
        return {livello, oreFisse != 0 ? oreFisse : modoOre, modoOre, aTrenta};
    }
};

// The hour hand and the guide line of the red hand are red, the minute hand
// and the guide line of the blue hand blue.
inline constexpr quint32 ColoreOre = 0x0000FF;
inline constexpr quint32 ColoreMinuti = 0xFF0000;

const RigaEsercizio& Riga(Schermata schermata);
// "frmRuota1" ... "frmRuota10": the screen's objectName.
QString NomeSchermata(Schermata schermata);
const QList<Schermata>& TutteLeSchermate();

inline constexpr const char* IstruzioneUnaLancetta = "Clicca dove deve arrivare la lancetta rossa";
inline constexpr const char* IstruzioneDueLancette =
    "Clicca prima dove deve arrivare la lancetta rossa, poi dove deve arrivare quella blu.";
inline constexpr const char* IstruzioneFrecce =
    "Regola l'ertavino con le frecce e poi clicca sul bottone conferma.";
