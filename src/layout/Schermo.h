#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

// Places a screen at the top-left corner of the display and gives it the
// display's full height, then its full width (the usable area, so panels stay
// visible).
inline void RiempiSchermo(QWidget& finestra) {
    QScreen* schermo = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
    if (!schermo)
        return;
    const QRect area = schermo->availableGeometry();
    finestra.move(area.topLeft());
    finestra.resize(finestra.width(), area.height());
    finestra.resize(area.width(), area.height());
}
