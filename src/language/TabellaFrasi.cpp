#include "language/TabellaFrasi.h"

#include "core/GeneratoreCasuale.h"

namespace {

const RigaFrasi& Riga(const TabellaFrasi& tabella, qint16 ora, qint16 modoOre) {
    const qint16 colonna = modoOre == 12 ? 12 : 24;
    for (const RigaFrasi& riga : tabella.righe) {
        if ((riga.ora == ora || riga.ora == QualsiasiOra) &&
            (riga.modoOre == 0 || riga.modoOre == colonna))
            return riga;
    }
    // Every table closes with a general row, so the loop always returns.
    Q_UNREACHABLE();
}

QString Riempi(const char* modello, const TabellaFrasi& tabella, qint16 ora, qint16 minuti) {
    const int oraDetta = tabella.versoOraSeguente ? ora + 1 : ora;
    const int minutiDetti = tabella.versoOraSeguente ? 60 - minuti : minuti;
    return QString::fromUtf8(modello)
        .replace(QLatin1String("%1"), QString::number(oraDetta))
        .replace(QLatin1String("%2"), QString::number(minutiDetti));
}

} // namespace

QString Componi(const TabellaFrasi& tabella, qint16 ora, qint16 modoOre, qint16 minuti,
                GeneratoreCasuale& casuale) {
    const RigaFrasi& riga = Riga(tabella, ora, modoOre);
    const int n = int(riga.alternative.size());
    const int estratto = n > 1 ? casuale.Estrai(n) : riga.alternative.front().estratto;
    for (const Alternativa& alternativa : riga.alternative) {
        if (alternativa.estratto == estratto)
            return Riempi(alternativa.frase, tabella, ora, minuti);
    }
    Q_UNREACHABLE();
}

qint16 AltraLettura(const QString& frase, qint16 ora, qint16 modoOre, qint16 minuti,
                    const std::vector<const TabellaFrasi*>& tabelle) {
    if (modoOre != 24 || (ora != 12 && ora != 24))
        return 0;
    const qint16 altra = ora == 12 ? 24 : 12;
    for (const TabellaFrasi* tabella : tabelle) {
        for (const Alternativa& alternativa : Riga(*tabella, altra, modoOre).alternative) {
            if (Riempi(alternativa.frase, *tabella, altra, minuti) == frase)
                return altra;
        }
    }
    return 0;
}
