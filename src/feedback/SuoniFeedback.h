#pragma once

struct Contesto;

// The praise and error sounds, silent while SuoniAttivati is false (0).
// SuonoSi picks one of si1.wav..si4.wav with one draw, and draws nothing while
// sounds are off, so switching sounds off leaves the random sequence alone.
void SuonoSi(Contesto& contesto);
void SuonoNo(Contesto& contesto);
