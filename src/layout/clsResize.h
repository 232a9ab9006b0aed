#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

// The design geometry of one control as recorded by the scaler. For a line
// control (a widget with the properties X1, Y1, X2 and Y2) the four fields
// hold its two ends: Left = X1, Top = Y1, Width = X2, Height = Y2.
struct ControlLayout {
    QPointer<QWidget> Control;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// Stretches a screen designed at a small fixed size, with all its controls,
// to whatever size the screen is given. Bound to one screen (SourceForm), it
// records the screen's inner size and the geometry of each of its controls
// once, then on every resize sets each control to its recorded values times
// the ratio between the current and the recorded inner size. Every pass
// starts again from the recorded values, so shrinking and growing never
// accumulate rounding. Fonts are left as they are. The controls are the
// screen's direct child widgets; each control's dynamic property "Tag" may
// restrict which values are scaled (see SelezioneTag.h).
class clsResize {
public:
    clsResize() = default;
    ~clsResize();
    clsResize(const clsResize&) = delete;
    clsResize& operator=(const clsResize&) = delete;

    QWidget* SourceForm() const { return schermo_; }
    // Binds the scaler to `schermo`; does not record the layout again.
    void SetSourceForm(QWidget* schermo);

    // Records the layout again from the screen's current state.
    void ReInitialise();

    // Gives the screen `percentuale` per cent of the display's usable area in
    // each direction, centred, and scales its controls. The layout is first
    // recorded, at the screen's design size, if it has not been yet.
    void SizeFormToScreen(quint8 percentuale);

    // Scales every control to the screen's current inner size. A minimised
    // screen and a screen without controls are left alone; the very first
    // call on a fresh scaler only records the layout. A value a control
    // cannot take (a fixed width or height, a line end it lacks) is skipped
    // and its other values are still scaled. Painting is held off for the
    // pass, so the screen is redrawn once with every control in place.
    void ResizeControls();

    int OriginalWidth() const { return larghezzaRegistrata_; }
    int OriginalHeight() const { return altezzaRegistrata_; }
    const QList<ControlLayout>& OriginalLayout() const { return controlliRegistrati_; }

private:
    void Registra();

    QPointer<QWidget> schermo_;
    int larghezzaRegistrata_ = 0;
    int altezzaRegistrata_ = 0;
    QList<ControlLayout> controlliRegistrati_;
    bool daRegistrare_ = true;
};
