#include "clockface/GeometriaLancetta.h"

#include <cmath>

namespace {

// Rounds to single precision. The value goes through a volatile float because
// GCC 12 at -O2 vectorises two such roundings side by side and drops them.
double InSingolaPrecisione(double valore) {
    const volatile float arrotondato = static_cast<float>(valore);
    return arrotondato;
}

} // namespace

float PiGrecoSingolo() {
    return static_cast<float>(4.0 * std::atan(1.0));
}

QPointF PuntaLancetta(double gradi, double lunghezza, float piGreco) {
    const float giroIntero = 2.0f * piGreco;
    const float quartoDiGiro = piGreco / 2.0f;
    const double t = (gradi / 360.0) * double(giroIntero) - double(quartoDiGiro);
    return QPointF(InSingolaPrecisione(std::cos(t) * lunghezza),
                   InSingolaPrecisione(std::sin(t) * lunghezza));
}
