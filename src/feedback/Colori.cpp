#include "feedback/Colori.h"

#include "core/GeneratoreCasuale.h"

#include <cmath>

double ColoreCasuale(GeneratoreCasuale& casuale) {
    const int i = casuale.Estrai(18) + 1;
    return double(TabellaColori[std::size_t(i)]);
}

ComponentiRGB ComponentiDaBGR(double coloreBGR) {
    const auto v = quint32(std::llround(coloreBGR)) & 0xFFFFFFu;
    return {int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF)};
}
