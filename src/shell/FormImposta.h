#pragma once

#include "layout/SchermoScalato.h"

class MotoreVoce;
class QComboBox;
class QLabel;
struct Contesto;

// The voice settings screen: the engine's voices in a list, the speed on a
// bar over the speed range, the talking mouth to try them, and "conferma". A
// voice picked or a speed set takes effect in memory at once; "conferma" asks
// the owner to save both, unload the screen and bring back the menu. Scaled
// to the display; it keeps the standard background.
class FormImposta : public SchermoScalato {
    Q_OBJECT
public:
    // Loads the screen: the voices are listed, the stored voice selected,
    // and the mouth invites the user to click it.
    FormImposta(Contesto& contesto, MotoreVoce& motore, QWidget* parent = nullptr);

signals:
    // "conferma" was pressed.
    void Conferma();

protected:
    void Form_Activate() override;

private:
    void SelezionaVoceMemorizzata();
    // A reading of the voices answered late.
    void VociArrivate();
    void ElencoVoci_Click(int posizione);
    void BarraVelocita_Change(int valore);
    void Bocca_Click();

    Contesto& contesto_;
    MotoreVoce& motore_; // the voices listed and heard; the mouth shows it
    // The controls kept after loading; their objectNames are the designer's.
    QComboBox* elencoVoci_ = nullptr;     // the voices, "Combo1"
    QLabel* etichettaVelocita_ = nullptr; // "Velocità = <speed>", "Label1"
};
