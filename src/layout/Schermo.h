#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Gives a screen the whole display, as the window system allows it.
// Where windows place themselves (X11), it goes to the top-left corner of
// the display and takes its full height, then its full width (the usable
// area, so panels stay visible); the window's frame, where the window system
// has already given it one, is counted in: frame and all cover the usable
// area. On Wayland the compositor places the windows: one cannot move itself
// there, nor know its frame before it is shown. The screen asks to be
// maximised instead: the compositor gives it the usable area, frame included,
// and the resize that follows scales the controls.
inline void RiempiSchermo(QWidget& finestra) {
    if (finestra.isWindow() &&
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        finestra.setWindowState(finestra.windowState() | Qt::WindowMaximized);
        return;
    }
    QScreen* schermo = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    const QRect area = schermo->availableGeometry();
    const QSize cornice = finestra.isWindow()
                              ? finestra.frameGeometry().size() - finestra.geometry().size()
                              : QSize(0, 0);
    const QSize interno = area.size() - cornice;
    finestra.move(area.topLeft());
    finestra.resize(finestra.width(), interno.height());
    finestra.resize(interno);
}

// Paints a control's background in `colore` (a screen, or a check box that
// must not show as a patch on it). Buttons, check boxes among them, fill
// their background from the Button role rather than Window.
inline void DipingiSfondo(QWidget& controllo, const QColor& colore) {
    QPalette tavolozza = controllo.palette();
    tavolozza.setColor(QPalette::Window, colore);
    tavolozza.setColor(controllo.backgroundRole(), colore);
    controllo.setPalette(tavolozza);
    controllo.setAutoFillBackground(true);
}

// A font as the screens are designed with it: family, points (fractions
// allowed, 99.75 or 14.25) and weight.
inline QFont CarattereDisegno(const QString& famiglia, qreal punti, bool grassetto) {
    QFont carattere(famiglia);
    carattere.setPointSizeF(punti);
    carattere.setBold(grassetto);
    return carattere;
}
