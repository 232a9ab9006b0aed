#pragma once

#include "layout/SchermoScalato.h"

class Navigazione;
class PulsanteFigura;
class QLabel;
struct Contesto;

// The start screen: the program's name in very large letters, the date of
// the program and "Avvio", which opens the menu. Scaled to the display, in a
// new random colour each time it is activated.
class FormAvvio : public SchermoScalato {
    Q_OBJECT
public:
    FormAvvio(Contesto& contesto, Navigazione& navigazione, QWidget* parent = nullptr);

    // The two labels of the Label2 array: 0 the name, 1 the date.
    QLabel* Label2(int indice) const;
    PulsanteFigura* Command1() const { return command1_; }

protected:
    void Form_Activate() override;

private:
    void Command1_Click();

    Contesto& contesto_;
    Navigazione& navigazione_;
    QLabel* label2_[2] = {};
    PulsanteFigura* command1_ = nullptr;
};
