#pragma once

#include <QPoint>
#include <QRect>
#include <QtMath>

// The screens are designed in twips; the program places them in Qt's logical
// pixels at 15 twips per pixel, and Qt's high-DPI scaling does the rest.
constexpr int TwipPerPixel = 15;

constexpr int Tw(int twip) {
    return (twip + (twip >= 0 ? TwipPerPixel / 2 : -TwipPerPixel / 2)) / TwipPerPixel;
}

inline QRect RettangoloTwip(int sinistra, int alto, int larghezza, int altezza) {
    return QRect(Tw(sinistra), Tw(alto), Tw(larghezza), Tw(altezza));
}

inline QPoint PuntoTwip(int x, int y) {
    return QPoint(Tw(x), Tw(y));
}
