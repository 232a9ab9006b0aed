#pragma once

#include "core/ValoriVoce.h"

// The stored speech speed (70..200, default 135) turned into the synthesizer's
// settings. The speed rises strictly with the stored value: above 80 each step
// adds words per minute; below it the rate stays at the slowest one the
// synthesizer really distinguishes and each step lengthens the pause between
// words instead, so the slow end does not collapse onto one speed.

struct ParametriVelocita {
    int paroleAlMinuto = 0; // synthesizer rate, words per minute
    int pausaParole = 0;    // extra pause between words, in tens of milliseconds

    friend bool operator==(const ParametriVelocita&, const ParametriVelocita&) = default;
};

// Values outside 70..200 (a hand-edited settings file) are clamped first.
ParametriVelocita ParametriDiVelocita(int velocita);

// SVOX Pico's speed level (its markup "<speed level='N'>", in percent of the
// voice's own rate) for a stored speed, clamped first: 135 gives the voice's
// own rate, 100, and each step one level more, so that every step is heard:
// 35 at the slowest, 165 at the fastest.
int LivelloVelocitaPico(int velocita);
