#pragma once

#include "layout/clsResize.h"

#include <QWidget>
#include <memory>

// A screen whose controls follow its size through the program's one scaler:
// the start screen, the menu and the voice settings screen. When loaded it
// makes the scaler its own; on every resize it scales its controls (only
// while the scaler is still its own); each time it is shown it runs its
// activation.
class SchermoScalato : public QWidget {
    Q_OBJECT
public:
    explicit SchermoScalato(std::unique_ptr<clsResize>& ridimensiona, QWidget* parent = nullptr);

protected:
    // The scaler step of loading, once every control stands at its design
    // place: a new scaler bound to this screen replaces the program's, and
    // the screen takes 75 per cent of the display.
    void CaricaRidimensiona();
    // Runs when the screen is shown by the program (not when the window
    // system merely restores it).
    virtual void Form_Activate() = 0;

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<clsResize>& ridimensiona_;
};
