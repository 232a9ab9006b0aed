#pragma once

#include "language/TabellaFrasi.h"

// The ways of saying each kind of time, as data. %1 is the hour and %2 the
// minutes in digits (see TabellaFrasi).

// Whole hours, on every level.
extern const TabellaFrasi FrasiOraIntera;

// Half past, on the half-hour levels: the hour and a half, half an hour to the
// next hour, and the wording built on "e trenta".
extern const TabellaFrasi FrasiMezzaPassata;
extern const TabellaFrasi FrasiMezzaMancante;
extern const TabellaFrasi FrasiMezzaPassataATrenta;
extern const TabellaFrasi FrasiMezzaMancanteATrenta;

// The quarters, on the quarter-hour and five-minute levels.
extern const TabellaFrasi FrasiQuartoPassato;
extern const TabellaFrasi FrasiMezzaAQuarti;
extern const TabellaFrasi FrasiTreQuarti;
extern const TabellaFrasi FrasiQuartoMancante;

// Any other multiple of five minutes: after the hour, or before the next one.
extern const TabellaFrasi FrasiMinutiDopo;
extern const TabellaFrasi FrasiMinutiPrima;
