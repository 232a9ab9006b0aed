#pragma once

#include <QList>
#include <QString>

// What a spoken sentence says, read from its Italian words alone, without the
// program's tables: every hour (1..12, or 1..24 under the 24-hour convention)
// the words can name, and the minutes past that hour.
struct Lettura {
    bool letta = false; // false: the words do not say a time this reader knows
    QList<int> ore;
    int minuti = -1;
};

Lettura LeggiFrase(const QString& frase, int modoOre);
