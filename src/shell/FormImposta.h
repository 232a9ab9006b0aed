#pragma once

#include "layout/SchermoScalato.h"

class Bocca;
class MotoreVoce;
class PulsanteFigura;
class QComboBox;
class QLabel;
class QScrollBar;
struct Contesto;

// The voice settings screen: the engine's voices in a list, the speed on a
// bar from 70 to 200, the talking mouth to try them, and "conferma". A voice
// picked or a speed set takes effect in memory at once; "conferma" asks the
// owner to save both, unload the screen and bring back the menu. Scaled to
// the display; it keeps the standard background.
class FormImposta : public SchermoScalato {
    Q_OBJECT
public:
    // Loads the screen: the voices are listed, the stored voice selected,
    // and the mouth invites the user to click it.
    FormImposta(Contesto& contesto, MotoreVoce& motore, QWidget* parent = nullptr);

    // The stored voice, then the stored speed, to the engine.
    void ImpostaVoce();

signals:
    // "conferma" was pressed.
    void Conferma();

protected:
    void Form_Activate() override;

private:
    void SelezionaVoceMemorizzata();
    // A reading of the voices answered late.
    void VociArrivate();
    void Combo1_Click(int posizione);
    void HScroll1_Change(int valore);
    void Bocca_Click();

    Contesto& contesto_;
    MotoreVoce& motore_; // the voices listed and heard; the mouth shows it
    Bocca* bocca_ = nullptr;
    QScrollBar* hScroll1_ = nullptr;
    QLabel* label1_ = nullptr;
    QComboBox* combo1_ = nullptr;
    PulsanteFigura* bottoneEsci_ = nullptr;
};
