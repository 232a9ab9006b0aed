#include "language/Domanda.h"

#include "core/GeneratoreCasuale.h"
#include "language/Frasi.h"

namespace {

// The asked time: the hour, 1 to 24, and the minutes past it.
struct Tempo {
    qint16 ora;
    qint16 minuti;
};

Tempo OraIntera(Domanda& domanda, qint16 ore, qint16 modoOre, GeneratoreCasuale& casuale) {
    domanda.OraDomanda = qint16(casuale.Estrai(ore) + 1);
    domanda.FraseDaDire = Componi(FrasiOraIntera, domanda.OraDomanda, modoOre, 0, casuale);
    return {domanda.OraDomanda, 0};
}

// The time counted in half hours: an even n is n/2 o'clock, an odd n half past
// (n - 1)/2, where n = 1 is half past the last hour since there is no hour 0.
Tempo MezzaOra(Domanda& domanda, qint16 ore, bool aTrenta, qint16 modoOre,
               GeneratoreCasuale& casuale) {
    const qint16 n = qint16(casuale.Estrai(2 * ore) + 1);
    domanda.MezzeOreDomanda = n;
    if (n % 2 == 0) {
        const qint16 ora = n / 2;
        domanda.FraseDaDire = Componi(FrasiOraIntera, ora, modoOre, 0, casuale);
        return {ora, 0};
    }
    const qint16 ora = n == 1 ? ore : qint16(n / 2);
    // The family: 1 says the hour and a half, 2 half an hour to the next hour.
    const bool mancante = casuale.Estrai(2) + 1 == 2;
    const TabellaFrasi& tabella =
        aTrenta ? (mancante ? FrasiMezzaMancanteATrenta : FrasiMezzaPassataATrenta)
                : (mancante ? FrasiMezzaMancante : FrasiMezzaPassata);
    domanda.FraseDaDire = Componi(tabella, ora, modoOre, 30, casuale);
    return {ora, 30};
}

// The minutes 0, 15, 30 and 45 as the quarter level says them, with its draws
// in its order: the sentence for 0, 15 or 30; then, for every time, the draw
// between three quarters and a quarter to; then the sentence for 45. Other
// minutes get an empty sentence after the same draw.
QString FraseAQuarti(qint16 ora, qint16 minuti, qint16 modoOre, GeneratoreCasuale& casuale) {
    QString frase;
    if (minuti == 0)
        frase = Componi(FrasiOraIntera, ora, modoOre, 0, casuale);
    else if (minuti == 15)
        frase = Componi(FrasiQuartoPassato, ora, modoOre, 15, casuale);
    else if (minuti == 30)
        frase = Componi(FrasiMezzaAQuarti, ora, modoOre, 30, casuale);
    const bool quartoMancante = casuale.Estrai(2) == 1;
    if (minuti == 45)
        frase = Componi(quartoMancante ? FrasiQuartoMancante : FrasiTreQuarti, ora, modoOre, 45,
                        casuale);
    return frase;
}

Tempo Quarto(Domanda& domanda, qint16 ore, qint16 modoOre, GeneratoreCasuale& casuale) {
    domanda.OraDomanda = qint16(casuale.Estrai(ore) + 1);
    domanda.QuartoDomanda = qint16(casuale.Estrai(4));
    const qint16 minuti = qint16(15 * domanda.QuartoDomanda);
    domanda.FraseDaDire = FraseAQuarti(domanda.OraDomanda, minuti, modoOre, casuale);
    return {domanda.OraDomanda, minuti};
}

Tempo CinqueMinuti(Domanda& domanda, qint16 ore, qint16 modoOre, GeneratoreCasuale& casuale) {
    domanda.OraDomanda = qint16(casuale.Estrai(ore) + 1);
    const int indice = casuale.Estrai(12);
    const qint16 minuti = qint16(5 * indice);
    domanda.FraseDaDire = FraseAQuarti(domanda.OraDomanda, minuti, modoOre, casuale);
    // Drawn for every time; only the minutes past the half hour may count down.
    const bool primaDellOra = casuale.Estrai(2) == 1 && indice >= 6;
    if (minuti % 15 != 0)
        domanda.FraseDaDire = Componi(primaDellOra ? FrasiMinutiPrima : FrasiMinutiDopo,
                                      domanda.OraDomanda, modoOre, minuti, casuale);
    domanda.MinutiDomanda = minuti;
    return {domanda.OraDomanda, minuti};
}

// Every table of the level that can say these minutes, for any hour.
std::vector<const TabellaFrasi*> TabelleDeiMinuti(const Richiesta& r, qint16 minuti) {
    if (minuti == 0)
        return {&FrasiOraIntera};
    if (r.livello == Livello::MezzeOre && r.aTrenta)
        return {&FrasiMezzaPassataATrenta, &FrasiMezzaMancanteATrenta};
    if (r.livello == Livello::MezzeOre)
        return {&FrasiMezzaPassata, &FrasiMezzaMancante};
    switch (minuti) {
    case 15:
        return {&FrasiQuartoPassato};
    case 30:
        return {&FrasiMezzaAQuarti};
    case 45:
        return {&FrasiTreQuarti, &FrasiQuartoMancante};
    default:
        if (minuti < 30)
            return {&FrasiMinutiDopo};
        return {&FrasiMinutiDopo, &FrasiMinutiPrima};
    }
}

} // namespace

Domanda NuovaDomanda(const Richiesta& r, GeneratoreCasuale& casuale) {
    Q_ASSERT(r.modoOre == 12 || r.modoOre == 24);
    Domanda domanda;
    Tempo tempo{};
    switch (r.livello) {
    case Livello::OreIntere:
        tempo = OraIntera(domanda, r.ore, r.modoOre, casuale);
        break;
    case Livello::MezzeOre:
        tempo = MezzaOra(domanda, r.ore, r.aTrenta, r.modoOre, casuale);
        break;
    case Livello::Quarti:
        tempo = Quarto(domanda, r.ore, r.modoOre, casuale);
        break;
    case Livello::CinqueMinuti:
        tempo = CinqueMinuti(domanda, r.ore, r.modoOre, casuale);
        break;
    }
    domanda.OraAlternativa = AltraLettura(domanda.FraseDaDire, tempo.ora, r.modoOre, tempo.minuti,
                                          TabelleDeiMinuti(r, tempo.minuti));
    domanda.TestoDigitale =
        QStringLiteral("%1 : %2").arg(tempo.ora).arg(tempo.minuti, 2, 10, QLatin1Char('0'));
    return domanda;
}
