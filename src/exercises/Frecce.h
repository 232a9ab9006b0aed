#pragma once

#include <QString>
#include <optional>

// The rules of the two arrow bars: the wraps across the hour and across 12
// (or 24) o'clock, the hands they set and the digital time they show.

// The hours bar runs from -1 to ModoOre + 1; only 1..ModoOre is a time.
// Returns the value the bar must take, or nothing when `valore` is a time.
// ModoOre + 1 (and anything above, should the bar be given a larger maximum)
// wraps to 1; 0 and -1 (and anything below) wrap to ModoOre.
std::optional<int> OraAvvolta(int valore, int modoOre);

// The minutes bar runs from -1 to `passiPerOra`; only 0..passiPerOra - 1 is a
// time. Past the last step it returns to 0 and the hour moves on; below 0 it
// goes to the last step and the hour moves back.
struct RiportoMinuti {
    int passo;    // the minutes bar's new value
    int deltaOra; // +1 or -1 on the hours bar
};
std::optional<RiportoMinuti> MinutiAvvolti(int valore, int passiPerOra);

// The hands for the time ora : minuti. One rule for every level: the hour
// hand advances between two numerals as the minutes grow.
inline double GradiOre(int ora, int minuti) {
    return 30.0 * ora + minuti / 2.0;
}
inline double GradiMinuti(int minuti) {
    return 6.0 * minuti;
}

// Text1 on the arrow screens: the hour as plain digits, the minutes with two.
QString TestoOrario(int ora, int minuti);
