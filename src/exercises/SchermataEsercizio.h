#pragma once

#include "exercises/TabellaEsercizi.h"
#include "language/Domanda.h"

#include <QWidget>

class PulsanteFigura;
class Bocca;
class ImmagineSvg;
class Linea;
class MotoreVoce;
class QLabel;
class QLineEdit;
class QScrollBar;
class Quadrante;
struct Contesto;

// One exercise screen: frmRuota1 .. frmRuota10, as its row of the exercise
// table makes it. It asks a question, judges the child's answer (clicks on
// the dial, or the arrow bars and "Conferma"), counts and acknowledges it,
// and goes back to the menu on "Esci". The activation runs when the screen
// is first shown.
class SchermataEsercizio : public QWidget {
    Q_OBJECT
public:
    SchermataEsercizio(Schermata schermata, Contesto& contesto, MotoreVoce& motore,
                       QWidget* parent = nullptr);
    ~SchermataEsercizio() override;

    Schermata Quale() const { return riga_.schermata; }
    // The hours bar on the arrow screens, nullptr on the click screens. The
    // menu sets its maximum before the screen is first shown.
    QScrollBar* vScroll1() const { return vScroll1_; }

    // The question being asked, as the judgement reads it.
    const Domanda& DomandaCorrente() const { return domanda_; }
    qint16 QuantiEsatti() const { return quantiEsatti_; }
    qint16 QuantiErrati() const { return quantiErrati_; }
    int FaseLancetta() const { return faseLancetta_; }

signals:
    // "Esci" answered Yes: the screen has hidden itself; the menu comes back.
    void TornaAlMenu();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void CostruisciControlli(MotoreVoce& motore);
    void CostruisciBarre();
    void Esegui(PassoAttivazione passo);
    void LancetteIniziali();
    void NuovaDomanda();

    void Label1_Click(int indice);
    void Command1_Click();
    void Command2_Click();
    void BottoneAvanti_Click();
    void Command7_Click();
    void Conferma();
    void vScroll1_Change();
    void vScroll2_Change();
    void Ridisegna();

    void RispostaGiusta();
    void RispostaSbagliata();
    void DisegnaOre(double gradi);
    void DisegnaMinuti(double gradi);

    const RigaEsercizio& riga_;
    Contesto& contesto_;
    MotoreVoce& motore_; // what the screen says; its mouth shows it

    Domanda domanda_;
    qint16 quantiEsatti_ = 0;
    qint16 quantiErrati_ = 0;
    int faseLancetta_ = 0;
    float piGreco_; // set again on activation, before any hand is drawn
    bool attivata_ = false;
    int profondita_ = 0; // nesting of the bars' change handlers

    Quadrante* picture1_ = nullptr;
    ImmagineSvg* image1_ = nullptr;
    QLineEdit* text1_ = nullptr;
    PulsanteFigura* command1_ = nullptr;
    PulsanteFigura* command2_ = nullptr;
    PulsanteFigura* bottoneAvanti_ = nullptr;
    PulsanteFigura* command7_ = nullptr;
    Bocca* bocca_ = nullptr;
    ImmagineSvg* iconaSi_ = nullptr;
    ImmagineSvg* iconaNo_ = nullptr;
    QLabel* etichettaEsatti_ = nullptr;
    QLabel* etichettaErrati_ = nullptr;
    Linea* line1_ = nullptr;
    Linea* line2_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QScrollBar* vScroll2_ = nullptr;
};
