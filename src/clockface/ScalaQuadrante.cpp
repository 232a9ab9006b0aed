#include "clockface/ScalaQuadrante.h"

#include <algorithm>

ScalaQuadrante::ScalaQuadrante(QSize dimensione)
    : area_(BordoQuadrante, BordoQuadrante, std::max(0, dimensione.width() - 2 * BordoQuadrante),
            std::max(0, dimensione.height() - 2 * BordoQuadrante)) {}

QPointF ScalaQuadrante::InPixel(QPointF unita) const {
    return QPointF(area_.left() + (unita.x() + 2.0) * PixelPerUnitaX(),
                   area_.top() + (unita.y() + 2.0) * PixelPerUnitaY());
}

QPointF ScalaQuadrante::InUnita(QPointF pixel) const {
    // A dial with no inner area has no scale; every pixel is its centre.
    if (area_.isEmpty())
        return {};
    return QPointF((pixel.x() - area_.left()) / PixelPerUnitaX() - 2.0,
                   (pixel.y() - area_.top()) / PixelPerUnitaY() - 2.0);
}
