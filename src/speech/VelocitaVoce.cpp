#include "speech/VelocitaVoce.h"

#include <algorithm>

namespace {
// The synthesizer reads every rate from 78 to 84 words per minute at one and
// the same pace; 85 is the slowest rate that is slower than its neighbour.
constexpr int RitmoMinimo = 85;
// From this stored speed upwards the rate grows; below it the pauses do.
constexpr int SogliaPause = 80;
} // namespace

ParametriVelocita ParametriDiVelocita(int velocita) {
    const int v = std::clamp(velocita, VelocitaMinima, VelocitaMassima);
    if (v < SogliaPause)
        return {RitmoMinimo, SogliaPause - v};
    // 1.3 words per minute per step, rounded: more than one per step, so
    // neighbouring values never round onto the same rate. 135 gives 157,
    // a little slower than the synthesizer's usual 175, as suits children.
    return {RitmoMinimo + ((v - SogliaPause) * 13 + 5) / 10, 0};
}

int LivelloVelocitaPico(int velocita) {
    // Pico's levels are whole percents: one per step is the finest it takes.
    return 100 + std::clamp(velocita, VelocitaMinima, VelocitaMassima) - VelocitaPredefinita;
}
