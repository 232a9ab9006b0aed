#pragma once

#include <QPointF>

// Pi as the screens hold it: 4 x atan(1) rounded to single precision. Every
// angle conversion uses this value, not the exact one.
float PiGrecoSingolo();

// The tip of a hand drawn from the dial's centre, in dial units (x to the
// right, y downwards). `gradi` runs clockwise from 12 o'clock and is not
// reduced: 390 and 30 point the same way because cosine and sine wrap.
//   t = (gradi / 360) x (2 x piGreco) - piGreco / 2
// with 2 x piGreco and piGreco / 2 in single precision and the rest in double;
// x = cos(t) x lunghezza and y = sin(t) x lunghezza are rounded to single
// precision, as the line is drawn with them.
QPointF PuntaLancetta(double gradi, double lunghezza, float piGreco);

// The lengths and line widths (pixels) of the two hands.
inline constexpr double LunghezzaOre = 1.1;
inline constexpr double LunghezzaMinuti = 1.6;
inline constexpr int LarghezzaOre = 7;
inline constexpr int LarghezzaMinuti = 3;
