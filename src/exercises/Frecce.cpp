#include "exercises/Frecce.h"

std::optional<int> OraAvvolta(int valore, int modoOre) {
    if (valore > modoOre)
        return 1;
    if (valore < 1)
        return modoOre;
    return std::nullopt;
}

std::optional<RiportoMinuti> MinutiAvvolti(int valore, int passiPerOra) {
    if (valore >= passiPerOra)
        return RiportoMinuti{0, +1};
    if (valore < 0)
        return RiportoMinuti{passiPerOra - 1, -1};
    return std::nullopt;
}

QString TestoOrario(int ora, int minuti) {
    return QStringLiteral("%1 : %2").arg(ora).arg(minuti, 2, 10, QLatin1Char('0'));
}
