#pragma once

#include <QtGlobal>
#include <array>

class GeneratoreCasuale;

// The program holds a colour as one 0xBBGGRR value (blue in the high byte, red
// in the low byte), here and in the exercise table; ColoreQt (ColoreQt.h) turns
// it into a QColor where it is drawn.

// The background colours drawn for the start screen and the menu. Slot 0 is
// never drawn; entries 3, 14 and 15 hold the same pink on purpose, so it comes
// up three times as often as any other colour.
inline constexpr std::array<quint32, 19> TabellaColori = {
    0x000000, // slot 0, never drawn
    0xC0C0FF, 0x8080FF, 0xFFC0FF, 0x80C0FF, 0x0080FF, 0xC0FFFF, 0x00FFFF, 0x0040C0, 0x80FF80,
    0x00C000, 0xFFFFC0, 0xFFFF00, 0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF,
};

// One colour of the table, entries 1 to 18 equally likely; one draw.
// Returned as a double holding a whole 0xBBGGRR value.
double ColoreCasuale(GeneratoreCasuale& casuale);

// The red, green and blue parts of a 0xBBGGRR value after rounding.
struct ComponentiRGB {
    int rosso, verde, blu;
};
ComponentiRGB ComponentiDaBGR(double coloreBGR);
