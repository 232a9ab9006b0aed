#include "clockface/GeometriaLancetta.h"

#include <cmath>

float PiGrecoSingolo() {
    return static_cast<float>(4.0 * std::atan(1.0));
}

QPointF PuntaLancetta(double gradi, double lunghezza, float piGreco) {
    const float giroIntero = 2.0f * piGreco;
    const float quartoDiGiro = piGreco / 2.0f;
    const double t = (gradi / 360.0) * double(giroIntero) - double(quartoDiGiro);
    const float x = static_cast<float>(std::cos(t) * lunghezza);
    const float y = static_cast<float>(std::sin(t) * lunghezza);
    return QPointF(x, y);
}
