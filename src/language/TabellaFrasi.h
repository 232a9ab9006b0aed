#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

class GeneratoreCasuale;

// A sentence with its place among the alternatives of a row: it is said when
// the row's draw gives `estratto`.
struct Alternativa {
    int estratto;
    const char* frase; // %1 stands for the hour, %2 for the minutes, in digits
};

// One row of a sentence table. A row with one sentence draws nothing; a row
// with n sentences makes a fresh draw of n to choose among them.
struct RigaFrasi {
    qint16 ora;     // the hour h the row says, or QualsiasiOra for the closing general row
    qint16 modoOre; // 12 or 24: the row holds under that convention only; 0: under both
    std::vector<Alternativa> alternative;
};

inline constexpr qint16 QualsiasiOra = 0;

// A table of the ways of saying one kind of time. The rows are tried from the
// top down; the last one is the general row and matches every hour.
struct TabellaFrasi {
    // The sentences that count down to the next hour name h + 1 for %1 and
    // 60 - minutes for %2; the others name h and the minutes themselves.
    bool versoOraSeguente;
    std::vector<RigaFrasi> righe;
};

// The sentence for the hour h under the convention `modoOre`, with `minuti`
// minutes past h; draws from `casuale` only when the row has alternatives.
QString Componi(const TabellaFrasi& tabella, qint16 ora, qint16 modoOre, qint16 minuti,
                GeneratoreCasuale& casuale);

// Under the 24-hour convention a sentence for 12 or 24 may be said alike for
// the other of the two with the same minutes ("Manca un quarto d'ora
// all'una."). Returns that other hour when one of `tabelle`, the tables that
// can say these minutes, has `frase` among its sentences for it; 0 otherwise.
qint16 AltraLettura(const QString& frase, qint16 ora, qint16 modoOre, qint16 minuti,
                    const std::vector<const TabellaFrasi*>& tabelle);
