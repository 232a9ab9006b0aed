#pragma once

#include "feedback/Colori.h"

#include <QColor>

// A 0xBBGGRR colour as a QColor: the one conversion, where a colour is drawn.
inline QColor ColoreQt(double coloreBGR) {
    const auto c = ComponentiDaBGR(coloreBGR);
    return QColor(c.rosso, c.verde, c.blu);
}
