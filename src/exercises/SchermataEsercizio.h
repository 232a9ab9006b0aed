#pragma once

#include "exercises/TabellaEsercizi.h"
#include "language/Domanda.h"

#include <QWidget>

class PulsanteFigura;
class ImmagineSvg;
class Linea;
class MotoreVoce;
class QLabel;
class QLineEdit;
class QScrollBar;
class Quadrante;
struct Contesto;

// One exercise screen: frmRuota1 .. frmRuota10, as its row of the exercise
// table makes it, under the clock convention the menu's button chose
// (`modoOre`, 12 or 24). It asks a question, judges the child's answer
// (clicks on the dial, or the arrow bars and "Conferma"), counts and
// acknowledges it, and goes back to the menu on "Esci". The activation runs
// when the screen is first shown.
class SchermataEsercizio : public QWidget {
    Q_OBJECT
public:
    SchermataEsercizio(Schermata schermata, qint16 modoOre, Contesto& contesto, MotoreVoce& motore,
                       QWidget* parent = nullptr);
    ~SchermataEsercizio() override;

    Schermata Quale() const { return riga_.schermata; }
    qint16 ModoOre() const { return modoOre_; }

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

    // The handlers of the controls, by what each control is.
    void Bersaglio_Click(int indice);
    void MostraDigitale_Click();
    void Conferma_Click();
    void Riascolta_Click();
    void BottoneAvanti_Click();
    void Esci_Click();
    void BarraOre_Change();
    void BarraMinuti_Change();
    void Ridisegna();

    void RispostaGiusta();
    void RispostaSbagliata();
    void DisegnaOre(double gradi);
    void DisegnaMinuti(double gradi);

    const RigaEsercizio& riga_;
    const qint16 modoOre_;
    Contesto& contesto_;
    MotoreVoce& motore_; // what the screen says; its mouth shows it

    Domanda domanda_;
    // What "riascolta" says again: the question's sentence (on the two-hand
    // click screens the instruction until the first question is drawn).
    QString fraseDaDire_;
    qint16 quantiEsatti_ = 0;
    qint16 quantiErrati_ = 0;
    int faseLancetta_ = 0;
    float piGreco_; // set again on activation, before any hand is drawn
    bool attivata_ = false;
    int profondita_ = 0; // nesting of the bars' change handlers

    // The controls; their objectNames, which tests and assistive tools use,
    // are the designer's ("Picture1", "Command1", "vScroll1"...).
    Quadrante* quadrante_ = nullptr;
    ImmagineSvg* piatto_ = nullptr; // the plate behind the digital time
    QLineEdit* digitale_ = nullptr; // the digital time, "Text1"
    // "Conferma" on the arrow screens, the switch that hides and shows the
    // digital time on the click screens; the other is nullptr.
    PulsanteFigura* conferma_ = nullptr;
    PulsanteFigura* mostraDigitale_ = nullptr;
    PulsanteFigura* riascolta_ = nullptr;
    PulsanteFigura* avanti_ = nullptr;
    PulsanteFigura* esci_ = nullptr;
    ImmagineSvg* iconaSi_ = nullptr; // the smiling face
    ImmagineSvg* iconaNo_ = nullptr; // the frowning face
    QLabel* etichettaEsatti_ = nullptr;
    QLabel* etichettaErrati_ = nullptr;
    // The guide lines under the dial of the two-hand click screens.
    Linea* guidaRossa_ = nullptr;
    Linea* guidaBlu_ = nullptr;
    // The arrow bars of the arrow screens; no minutes bar on the whole-hour one.
    QScrollBar* barraOre_ = nullptr;
    QScrollBar* barraMinuti_ = nullptr;
};
