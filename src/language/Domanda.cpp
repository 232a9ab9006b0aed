#include "language/Domanda.h"

#include "core/GeneratoreCasuale.h"
#include "language/Frasi.h"

#include <QLoggingCategory>
#include <iterator>

Q_LOGGING_CATEGORY(registroDomande, "ertavino.question", QtWarningMsg)

namespace {

enum class Livello { OreIntere, MezzeOre, MezzeOreATrenta, Quarti, CinqueMinuti };

struct DatiSchermata {
    Schermata schermata;
    const char* nome;
    Livello livello;
    qint16 oreFisse; // the hour range when the screen fixes it; 0: ModoOre
    MomentoTesto momento;
};

// One row per screen, in the order of Schermata. The half-hour draw always
// follows ModoOre; frmRuota5 and frmRuota5a are opened under 12 and 24 only.
// clang-format off
constexpr DatiSchermata Schermate[] = {
    {Schermata::Ruota1,  "frmRuota1",  Livello::OreIntere,       0,  MomentoTesto::PrimaDiParlare},
    {Schermata::Ruota2,  "frmRuota2",  Livello::OreIntere,       0,  MomentoTesto::Nessuno},
    {Schermata::Ruota3,  "frmRuota3",  Livello::MezzeOre,        0,  MomentoTesto::PrimaDiParlare},
    {Schermata::Ruota4,  "frmRuota4",  Livello::MezzeOre,        0,  MomentoTesto::Nessuno},
    {Schermata::Ruota5,  "frmRuota5",  Livello::MezzeOre,        0,  MomentoTesto::PrimaDiParlare},
    {Schermata::Ruota5a, "frmRuota5a", Livello::MezzeOreATrenta, 0,  MomentoTesto::PrimaDiParlare},
    {Schermata::Ruota6,  "frmRuota6",  Livello::MezzeOre,        0,  MomentoTesto::Nessuno},
    {Schermata::Ruota7,  "frmRuota7",  Livello::Quarti,          0,  MomentoTesto::DopoAverParlato},
    {Schermata::Ruota8,  "frmRuota8",  Livello::Quarti,          0,  MomentoTesto::Nessuno},
    {Schermata::Ruota9,  "frmRuota9",  Livello::CinqueMinuti,    12, MomentoTesto::DopoAverParlato},
    {Schermata::Ruota9a, "frmRuota9a", Livello::CinqueMinuti,    24, MomentoTesto::DopoAverParlato},
    {Schermata::Ruota10, "frmRuota10", Livello::CinqueMinuti,    0,  MomentoTesto::Nessuno},
};
// clang-format on
static_assert(std::size(Schermate) == int(Schermata::Ruota10) + 1);

const DatiSchermata& Dati(Schermata schermata) {
    const DatiSchermata& dati = Schermate[int(schermata)];
    Q_ASSERT(dati.schermata == schermata);
    return dati;
}

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
// (n - 1)/2, where n = 1 is half past ModoOre since there is no hour 0.
Tempo MezzaOra(Domanda& domanda, bool aTrenta, qint16 modoOre, GeneratoreCasuale& casuale) {
    const qint16 n = qint16(casuale.Estrai(2 * modoOre) + 1);
    domanda.MezzeOreDomanda = n;
    if (n % 2 == 0) {
        const qint16 ora = n / 2;
        domanda.FraseDaDire = Componi(FrasiOraIntera, ora, modoOre, 0, casuale);
        return {ora, 0};
    }
    const qint16 ora = n == 1 ? modoOre : qint16(n / 2);
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

Tempo Quarto(Domanda& domanda, qint16 modoOre, GeneratoreCasuale& casuale) {
    domanda.OraDomanda = qint16(casuale.Estrai(modoOre) + 1);
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
std::vector<const TabellaFrasi*> TabelleDeiMinuti(Livello livello, qint16 minuti) {
    if (minuti == 0)
        return {&FrasiOraIntera};
    if (livello == Livello::MezzeOre)
        return {&FrasiMezzaPassata, &FrasiMezzaMancante};
    if (livello == Livello::MezzeOreATrenta)
        return {&FrasiMezzaPassataATrenta, &FrasiMezzaMancanteATrenta};
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

QString NomeSchermata(Schermata schermata) {
    return QString::fromLatin1(Dati(schermata).nome);
}

Domanda NuovaDomanda(Schermata schermata, qint16 modoOre, GeneratoreCasuale& casuale) {
    Q_ASSERT(modoOre == 12 || modoOre == 24);
    const DatiSchermata& dati = Dati(schermata);
    const qint16 ore = dati.oreFisse != 0 ? dati.oreFisse : modoOre;
    Domanda domanda;
    Tempo tempo{};
    switch (dati.livello) {
    case Livello::OreIntere:
        tempo = OraIntera(domanda, ore, modoOre, casuale);
        break;
    case Livello::MezzeOre:
    case Livello::MezzeOreATrenta:
        tempo = MezzaOra(domanda, dati.livello == Livello::MezzeOreATrenta, modoOre, casuale);
        break;
    case Livello::Quarti:
        tempo = Quarto(domanda, modoOre, casuale);
        break;
    case Livello::CinqueMinuti:
        tempo = CinqueMinuti(domanda, ore, modoOre, casuale);
        break;
    }
    domanda.OraAlternativa = AltraLettura(domanda.FraseDaDire, tempo.ora, modoOre, tempo.minuti,
                                          TabelleDeiMinuti(dati.livello, tempo.minuti));
    domanda.Momento = dati.momento;
    if (dati.momento != MomentoTesto::Nessuno)
        domanda.TestoDigitale =
            QStringLiteral("%1 : %2").arg(tempo.ora).arg(tempo.minuti, 2, 10, QLatin1Char('0'));

    qCDebug(registroDomande).noquote()
        << NomeSchermata(schermata) << "ModoOre" << modoOre << "OraDomanda" << domanda.OraDomanda
        << "MezzeOreDomanda" << domanda.MezzeOreDomanda << "QuartoDomanda" << domanda.QuartoDomanda
        << "MinutiDomanda" << domanda.MinutiDomanda << "OraAlternativa" << domanda.OraAlternativa
        << "FraseDaDire" << ('"' + domanda.FraseDaDire + '"') << "Text1"
        << ('"' + domanda.TestoDigitale + '"');
    return domanda;
}
