#pragma once

#include "layout/SchermoScalato.h"

struct Contesto;

// The start screen: the program's name in very large letters, the date of
// the program and "Avvio", which opens the menu. Scaled to the display, in a
// new random colour each time it is activated.
class FormAvvio : public SchermoScalato {
    Q_OBJECT
public:
    explicit FormAvvio(Contesto& contesto, QWidget* parent = nullptr);

signals:
    // "Avvio" was pressed.
    void Avvio();

protected:
    void Form_Activate() override;

private:
    Contesto& contesto_;
};
