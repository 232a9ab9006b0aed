#include "speech/Sonorita.h"

#include <algorithm>
#include <cmath>

float Sonorita(const qint16* campioni, qsizetype quanti) {
    if (quanti <= 0)
        return 0.0f;
    double somma = 0.0;
    for (qsizetype i = 0; i < quanti; ++i)
        somma += double(campioni[i]) * campioni[i];
    const double efficace = std::sqrt(somma / double(quanti)) / 32768.0;
    // The voice's loudest vowels reach about a quarter of full scale; pauses
    // and breath stay under half a percent.
    constexpr double Silenzio = 0.004;
    constexpr double Pieno = 0.25;
    if (efficace < Silenzio)
        return 0.0f;
    return float(std::min(1.0, std::sqrt(efficace / Pieno)));
}
