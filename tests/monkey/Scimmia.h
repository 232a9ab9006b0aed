#pragma once

#include <QPointer>
#include <QRandomGenerator>
#include <QString>
#include <QWidget>
#include <array>

class QScrollBar;
class SchermataEsercizio;
struct Sessione;

// One input the monkey gave the program.
struct Azione {
    QString descrizione;
    // How many judgements the input may cause at most: a click or a key on a
    // dial target or on "Conferma" may judge once, a double click on a button
    // is two clicks; anything else must judge nothing.
    int giudiziPossibili = 0;
    // The input gave the answer the question asks for: if it is judged, it
    // is judged right.
    bool rispostaEsatta = false;
};

// Random input to whichever screen is loaded: clicks anywhere and on the
// controls, double clicks, key presses, bar moves by arrow, page click, drag,
// wheel and keyboard. Some inputs lean toward progress (the right dial
// target, the bars set to the asked time, the next exercise button still
// unvisited) so that a run reaches every screen and every state.
class Scimmia {
public:
    explicit Scimmia(quint32 seme) : caso_(seme ^ 0x5c1a771a) {}

    Azione Gioca(Sessione& sessione);
    bool Si(int percento) { return int(caso_.bounded(100)) < percento; }

    // How many times each exercise button of the menu has been pressed.
    const std::array<int, 20>& Visite() const { return visite_; }
    int VisiteImposta() const { return visiteImposta_; }

private:
    Azione SuAvvio(QWidget& schermo);
    Azione SuMenu(QWidget& schermo);
    Azione SuEsercizio(Sessione& sessione, SchermataEsercizio& schermo);
    Azione SuImposta(QWidget& schermo);

    Azione ClicOvunque(QWidget& schermo);
    Azione Premi(QWidget* controllo, int giudizi = 0);
    Azione Tasto(QWidget& schermo, int giudizi);
    Azione MuoviBarra(QScrollBar* barra);
    Azione ImpostaRisposta(Sessione& sessione, SchermataEsercizio& schermo);
    Azione ScegliVoce(QWidget& schermo);

    int Tra(int minimo, int massimo) { return int(caso_.bounded(minimo, massimo + 1)); }

    QRandomGenerator caso_;
    std::array<int, 20> visite_ = {};
    int visiteImposta_ = 0;
};

// The dial target under `w`, with its index, or -1.
int IndiceBersaglio(const QWidget* w);

// The dial target the asked time needs now on a click screen: the red
// hand's, or the blue hand's once the red one is placed.
int BersaglioGiusto(const SchermataEsercizio& schermo);

// The bars of an arrow screen dragged to the asked time; returns what they
// were set to.
QString LancetteSullaDomanda(SchermataEsercizio& schermo, qint16 modoOre);
