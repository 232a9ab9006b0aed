#pragma once

#include <QRect>
#include <QString>
#include <QVector>

// The arrangements of the dial's numerals and marks (the Label1 targets).
enum class DisposizioneQuadrante {
    A,   // 12 numerals, index = numeral (frmRuota1, frmRuota2)
    B,   // 24 targets, "°" marks at odd indices, "12" at index 24 (frmRuota3, 4, 5, 5a)
    B0,  // as B, "12" at index 0 (frmRuota6)
    C24, // 24 targets, blank odd targets, "12" at index 24 (frmRuota7, frmRuota8)
    C0,  // as C24, "12" at index 0 (frmRuota10)
    C9,  // as C0, numeral 1 and index 3 placed as on frmRuota9 and frmRuota9a
};

// One target of the dial: its index (the answer it stands for), what it shows
// ("1" to "12", "°", or nothing) and its box in twips inside the dial.
struct EtichettaQuadrante {
    int indice;
    QString didascalia;
    QRect twip;
};

// Every target of a layout, in increasing index order (which is also the order
// they are stacked in, later ones on top).
QVector<EtichettaQuadrante> EtichetteQuadrante(DisposizioneQuadrante disposizione);

// The index that shows "12": 12 on layout A, 24 or 0 on the others.
int IndiceDelDodici(DisposizioneQuadrante disposizione);

// How many positions the dial has: 12 (one per hour) or 24 (hours and halves).
int PosizioniQuadrante(DisposizioneQuadrante disposizione);

// Where an in-between target sits, in words for assistive technology: index
// 2k + 1 of a 24-position dial is "tra le k e le k+1" ("tra le 12 e l'1" for
// index 1). Empty for the numerals' positions.
QString PosizioneTra(int indice, int posizioni);
