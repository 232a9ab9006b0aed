#pragma once

#include "exercises/TabellaEsercizi.h"

#include <QtGlobal>

// Judging an answer, as functions of the screen's row and its question.

// Click screens. The index of a dial target is the answer it stands for.
int BersaglioRosso(Livello livello, const Domanda& domanda);
// -1 on the one-hand screens, which have no blue hand.
int BersaglioBlu(const RigaEsercizio& riga, const Domanda& domanda);
// Where a right red click draws the hour hand, in degrees clockwise from 12.
// The two-hand screens draw it at the asked time itself, so 24 and a quarter
// turns the hand past 720 degrees; the dial's cosine and sine wrap it.
double GradiRosso(Livello livello, const Domanda& domanda, int indice);
inline double GradiBlu(int indice) {
    return indice * 15.0;
}

struct EsitoClic {
    enum class Tipo {
        Sbagliato,     // wrong-answer feedback, nothing drawn
        LancettaRossa, // draw the red hand
        LancettaBlu,   // draw the blue hand
    };
    Tipo tipo = Tipo::Sbagliato;
    double gradi = 0.0;    // where the hand is drawn
    bool completa = false; // the answer is complete: right-answer feedback
};

// A click on target `indice`; `faseLancetta` is 0 while the red hand is to be
// placed, 1 once it is (two-hand screens; one-hand screens always judge red).
EsitoClic GiudicaClic(const RigaEsercizio& riga, const Domanda& domanda, int faseLancetta,
                      int indice);

// Arrow screens: the hands as the bars set them. `ora` is the hours bar,
// `passo` the minutes bar in the screen's steps (0 on the whole-hour screen).
// The hour is compared exactly, except where the question's sentence allows a
// second reading (Domanda::OraAlternativa).
bool GiudicaConferma(const RigaEsercizio& riga, const Domanda& domanda, qint16 modoOre, int ora,
                     int passo);
