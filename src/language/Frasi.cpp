#include "language/Frasi.h"

// In every row the alternatives are listed with the value of the draw that
// selects them. The hour 12 has three readings under the 12-hour convention
// (midnight, plain twelve, noon) and two under the 24-hour one, where midnight
// is the hour 24. Rows name an hour, a convention (0: both) and the sentences.

// clang-format off

const TabellaFrasi FrasiOraIntera{false, {
    {1,  0,  {{0, "E' l'una."}}},
    {12, 12, {{1, "E' mezzanotte."}, {2, "Sono le dodici."}, {0, "E' mezzogiorno."}}},
    {12, 24, {{1, "E' mezzogiorno."}, {0, "Sono le dodici."}}},
    {24, 0,  {{1, "E' mezzanotte."}, {0, "Sono le ventiquattro."}}},
    // The only whole-hour sentence without a full stop.
    {QualsiasiOra, 0, {{0, "Sono le %1"}}},
}};

// On the half-hour levels the hour 12 takes "e mezzo", every other hour "e mezza".
const TabellaFrasi FrasiMezzaPassata{false, {
    {1,  0,  {{0, "E' l'una e mezza."}}},
    {12, 12, {{1, "E' mezzanotte e mezzo."}, {2, "Sono le dodici e mezzo."},
              {0, "E' mezzogiorno e mezzo."}}},
    {12, 24, {{1, "E' mezzogiorno e mezzo."}, {0, "Sono le dodici e mezzo."}}},
    {24, 0,  {{1, "E' mezzanotte e mezza."}, {0, "Sono passate da mezz'ora le ventiquattro."}}},
    {QualsiasiOra, 0, {{0, "Sono le %1 e mezza."}}},
}};

// Half past 12 and half past 24 both count down to one o'clock.
const TabellaFrasi FrasiMezzaMancante{true, {
    {11, 12, {{1, "Manca mezz'ora a mezzanotte."}, {2, "Manca mezz'ora alle dodici."},
              {0, "Manca mezz'ora a mezzogiorno."}}},
    {11, 24, {{1, "Manca mezz'ora a mezzogiorno."}, {0, "Manca mezz'ora alle dodici."}}},
    {12, 0,  {{0, "Manca mezz'ora all'una."}}},
    {24, 0,  {{0, "Manca mezz'ora all'una."}}},
    {QualsiasiOra, 0, {{0, "Manca mezz'ora alle %1."}}},
}};

// Half past said with "e trenta" (asked under the 24-hour convention), which
// counts half past 24 down in minutes, so that it is not said like half past 12.
const TabellaFrasi FrasiMezzaPassataATrenta{false, {
    {1,  0, {{0, "E' l'una e mezza."}}},
    {12, 0, {{1, "E' mezzogiorno e mezzo."}, {0, "Sono le dodici e mezzo."}}},
    {24, 0, {{1, "E' mezzanotte e mezza."}, {0, "Sono le ventiquattro e trenta."}}},
    {QualsiasiOra, 0, {{0, "Sono le %1 e trenta."}}},
}};

const TabellaFrasi FrasiMezzaMancanteATrenta{true, {
    {11, 0, {{1, "Manca mezz'ora a mezzogiorno."}, {0, "Manca mezz'ora alle dodici."}}},
    {12, 0, {{0, "Manca mezz'ora all'una."}}},
    {24, 0, {{0, "Mancano trenta minuti all'una."}}},
    {QualsiasiOra, 0, {{0, "Manca mezz'ora alle %1."}}},
}};

// "E' mezzanotte  e un quarto." has two blanks.
const TabellaFrasi FrasiQuartoPassato{false, {
    {1,  0,  {{0, "E' l'una e un quarto."}}},
    {12, 12, {{1, "E' mezzanotte e un quarto."}, {2, "Sono le dodici e un quarto."},
              {0, "E' mezzogiorno e quindici."}}},
    {12, 24, {{1, "E' mezzogiorno e un quarto."}, {0, "Sono le dodici e quindici."}}},
    {24, 0,  {{1, "E' mezzanotte  e un quarto."}, {0, "Sono le ventiquattro e quindici."}}},
    {QualsiasiOra, 0, {{1, "Sono le %1 e un quarto."}, {0, "Sono le %1 e quindici."}}},
}};

// On the quarter level the hour 12 takes "e mezza", unlike the half-hour levels.
const TabellaFrasi FrasiMezzaAQuarti{false, {
    {1,  0,  {{0, "E' l'una e mezza."}}},
    {12, 12, {{1, "E' mezzanotte e mezza."}, {2, "Sono le dodici e mezza."},
              {0, "E' mezzogiorno e trenta."}}},
    {12, 24, {{1, "E' mezzogiorno e mezza."}, {0, "Sono le dodici e trenta."}}},
    {24, 0,  {{1, "E' mezzanotte e mezza."}, {0, "Sono le ventiquattro e trenta."}}},
    {QualsiasiOra, 0, {{1, "Sono le %1 e mezza."}, {0, "Sono le %1 e trenta."}}},
}};

// " tre quarti" follows the hour without "e", except after l'una and the hour 24.
const TabellaFrasi FrasiTreQuarti{false, {
    {1,  0,  {{0, "E' l'una e tre quarti."}}},
    {12, 12, {{1, "E' mezzanotte tre quarti."}, {2, "Sono le dodici tre quarti."},
              {0, "E' mezzogiorno e quarantacinque."}}},
    {12, 24, {{1, "E' mezzogiorno tre quarti."}, {0, "Sono le dodici e quarantacinque."}}},
    {24, 0,  {{1, "E' mezzanotte e tre quarti."}, {0, "Sono le ventiquattro e quarantacinque."}}},
    {QualsiasiOra, 0, {{1, "Sono le %1 tre quarti."}, {0, "Sono le %1 e quarantacinque."}}},
}};

// A quarter to 12 (the hour 11) takes the general row, with no word for noon
// or midnight.
const TabellaFrasi FrasiQuartoMancante{true, {
    {12, 0, {{0, "Manca un quarto d'ora all'una."}}},
    {23, 0, {{1, "Manca un quarto d'ora a mezzanotte."},
             {0, "Mancano quindici minuti alle ventiquattro."}}},
    {24, 0, {{0, "Manca un quarto d'ora all'una."}}},
    {QualsiasiOra, 0, {{1, "Mancano quindici minuti alle %1."},
                       {0, "Manca un quarto d'ora alle %1."}}},
}};

const TabellaFrasi FrasiMinutiDopo{false, {
    {1,  0,  {{0, "E' l'una e %2."}}},
    {12, 12, {{1, "E' mezzanotte e %2."}, {2, "Sono le dodici e %2."},
              {0, "E' mezzogiorno e %2."}}},
    {12, 24, {{1, "E' mezzogiorno e %2."}, {0, "Sono le dodici e %2."}}},
    {24, 0,  {{1, "E' mezzanotte e %2."}, {0, "Sono le ventiquattro e %2."}}},
    {QualsiasiOra, 0, {{0, "Sono le %1 e %2."}}},
}};

const TabellaFrasi FrasiMinutiPrima{true, {
    {12, 0, {{0, "Mancano %2 minuti all'una."}}},
    {23, 0, {{1, "Mancano %2 minuti a mezzanotte."}, {0, "Mancano %2 minuti alle ventiquattro."}}},
    {24, 0, {{0, "Mancano %2 minuti all'una."}}},
    {QualsiasiOra, 0, {{0, "Mancano %2 minuti alle %1."}}},
}};

// clang-format on
