#pragma once

#include <QWidget>

// A screen whose controls follow its size through the program's one scaler:
// the start screen, the menu and the voice settings screen. Each time the
// program shows it, it runs its activation; each change of its size is
// announced, so that the holder of the scaler can scale its controls.
class SchermoScalato : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

signals:
    // The screen's size changed (Form_Resize).
    void Ridimensionato();

protected:
    // Runs when the screen is shown by the program (not when the window
    // system merely restores it).
    virtual void Form_Activate() = 0;

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};
