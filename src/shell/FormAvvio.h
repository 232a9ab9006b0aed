#pragma once

#include "layout/SchermoScalato.h"

class PulsanteFigura;
class QLabel;
struct Contesto;

// The start screen: the program's name in very large letters, the date of
// the program and "Avvio", which opens the menu. Scaled to the display, in a
// new random colour each time it is activated.
class FormAvvio : public SchermoScalato {
    Q_OBJECT
public:
    explicit FormAvvio(Contesto& contesto, QWidget* parent = nullptr);

    // The two labels of the Label2 array: 0 the name, 1 the date.
    QLabel* Label2(int indice) const;
    PulsanteFigura* Command1() const { return command1_; }

signals:
    // "Avvio" was pressed.
    void Avvio();

protected:
    void Form_Activate() override;

private:
    Contesto& contesto_;
    QLabel* label2_[2] = {};
    PulsanteFigura* command1_ = nullptr;
};
