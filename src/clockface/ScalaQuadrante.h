#pragma once

#include <QPointF>
#include <QRectF>
#include <QSize>

// The dial's own coordinates: (-2, -2) at the top-left corner of its inner
// area, (2, 2) at the bottom-right, centre (0, 0), y downwards. The inner area
// is the widget less its sunken border. The two axes are scaled separately,
// so a unit is a quarter of the inner width across and a quarter of the inner
// height down.
class ScalaQuadrante {
public:
    ScalaQuadrante() = default;
    // The scale for a dial of this size (logical pixels).
    explicit ScalaQuadrante(QSize dimensione);

    QPointF InPixel(QPointF unita) const;
    QPointF InUnita(QPointF pixel) const;
    // Pixels per unit, across and down.
    double PixelPerUnitaX() const { return area_.width() / 4.0; }
    double PixelPerUnitaY() const { return area_.height() / 4.0; }
    QRectF AreaInterna() const { return area_; }

private:
    QRectF area_;
};

// The width of the dial's sunken border, in logical pixels.
inline constexpr int BordoQuadrante = 2;
