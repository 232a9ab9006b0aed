#pragma once

#include "feedback/Colori.h"

#include <QColor>

// A 0xBBGGRR table colour as a QColor.
inline QColor ColoreQt(double coloreBGR) {
    const auto c = ComponentiDaBGR(coloreBGR);
    return QColor(c.rosso, c.verde, c.blu);
}
