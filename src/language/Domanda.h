#pragma once

#include <QString>
#include <QtGlobal>

class GeneratoreCasuale;

// The kind of time a question asks, from whole hours to five-minute steps. It
// decides which question variables are drawn, and so which the judging reads.
enum class Livello {
    OreIntere,    // OraDomanda
    MezzeOre,     // MezzeOreDomanda
    Quarti,       // OraDomanda and QuartoDomanda
    CinqueMinuti, // OraDomanda and MinutiDomanda
};

// What a question is drawn from.
struct Richiesta {
    Livello livello = Livello::OreIntere;
    qint16 ore = 12;      // the hours asked: 1..ore (the half hours 1..2 x ore)
    qint16 modoOre = 12;  // the convention the sentence follows: 12 or 24
    bool aTrenta = false; // half hours said with "e trenta", as the hours' own minutes
};

// Everything one question is made of, as it stands after NuovaDomanda.
struct Domanda {
    qint16 OraDomanda = 0;      // 1..ore
    qint16 MezzeOreDomanda = 0; // half hours: 1..2 x ore
    qint16 QuartoDomanda = 0;   // quarters: 0..3
    qint16 MinutiDomanda = 0;   // five minutes: 0, 5, .., 55 (minutes, not the index)
    QString FraseDaDire;        // the sentence, word for word
    QString TestoDigitale;      // the asked time in digits: "15 : 00", "3 : 05"
    // The sentences that count down to one o'clock are said alike after 12 and
    // after 24 ("Manca un quarto d'ora all'una."). Under the 24-hour
    // convention such a sentence names both readings: OraAlternativa then
    // holds the other hour (24 when 12 was asked, 12 when 24 was asked), with
    // the same minutes. 0 when the sentence names one time only.
    qint16 OraAlternativa = 0;
};

// Draws a new question, with every draw taken from `casuale` in the order the
// level makes them, and composes its sentence and digital time.
Domanda NuovaDomanda(const Richiesta& richiesta, GeneratoreCasuale& casuale);
