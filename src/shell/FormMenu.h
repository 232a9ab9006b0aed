#pragma once

#include "layout/SchermoScalato.h"

class QCheckBox;
struct BottoneEsercizio;
struct Contesto;

// The main menu: twenty exercise buttons in a 12-hour and a 24-hour group,
// "Imposta voce", "Informazioni", "Esci" and the "Suoni attivati" switch.
// Scaled to the display, in a new random colour each time it is activated.
class FormMenu : public SchermoScalato {
    Q_OBJECT
public:
    explicit FormMenu(Contesto& contesto, QWidget* parent = nullptr);

signals:
    // An exercise button was pressed.
    void EsercizioScelto(const BottoneEsercizio& bottone);
    // "Imposta voce" was pressed.
    void ImpostaVoceScelto();
    // "Esci" was answered Yes and the settings were saved.
    void Uscita();

protected:
    void Form_Activate() override;

private:
    void SuoniAttivati_Click();
    void Informazioni_Click();
    void Esci_Click();

    Contesto& contesto_;
    QCheckBox* suoniAttivati_ = nullptr; // "Suoni attivati", objectName "Check1"
};
