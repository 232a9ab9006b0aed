#pragma once

#include <QString>
#include <QtGlobal>

class GeneratoreCasuale;

// The twelve exercise screens. Each owns one question procedure; the screen
// decides the hour range, the convention in use and the family of sentences.
// clang-format off
enum class Schermata {
    Ruota1, Ruota2, Ruota3, Ruota4, Ruota5, Ruota5a,
    Ruota6, Ruota7, Ruota8, Ruota9, Ruota9a, Ruota10,
};
// clang-format on

// "frmRuota1" ... "frmRuota10": the screen's objectName.
QString NomeSchermata(Schermata schermata);

// When the screen writes the digital time into Text1.
enum class MomentoTesto {
    Nessuno,         // arrow screens: the question writes no digital time
    PrimaDiParlare,  // frmRuota1, 3, 5, 5a: written before the sentence is spoken
    DopoAverParlato, // frmRuota7, 9, 9a: written after
};

// Everything one question is made of, as it stands after NuovaDomanda.
struct Domanda {
    qint16 OraDomanda = 0;      // 1..ModoOre (frmRuota9: 1..12, frmRuota9a: 1..24)
    qint16 MezzeOreDomanda = 0; // half-hour screens: 1..2 x ModoOre
    qint16 QuartoDomanda = 0;   // quarter screens: 0..3
    qint16 MinutiDomanda = 0;   // five-minute screens: 0, 5, .., 55 (minutes, not the index)
    QString FraseDaDire;        // the sentence, word for word
    QString TestoDigitale;      // for Text1; empty when the screen writes none
    MomentoTesto Momento = MomentoTesto::Nessuno;
    // The sentences that count down to one o'clock are said alike after 12 and
    // after 24 ("Manca un quarto d'ora all'una."). Under the 24-hour
    // convention such a sentence names both readings: OraAlternativa then
    // holds the other hour (24 when 12 was asked, 12 when 24 was asked), with
    // the same minutes. 0 when the sentence names one time only.
    qint16 OraAlternativa = 0;
};

// Draws a new question for the screen under the convention `modoOre` (12 or
// 24), with every draw taken from `casuale` in the order the screen makes
// them, and composes its sentence and digital time. Each question is logged as
// one debug line under the category "ertavino.question" (off by default).
Domanda NuovaDomanda(Schermata schermata, qint16 modoOre, GeneratoreCasuale& casuale);
