#include "GeneratoreScritto.h"
#include "language/Domanda.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(Richiesta)

namespace {

// The wording of the sentence tables, one row a line: the level ("trenta" is
// the half hours said with "e trenta"), the convention (the hours asked too),
// the draws in the order the question must make them, then after "=" the
// sentence. "11/12" is a draw of 12 that gives 11; "*/3" stands for
// each value of a draw of 3 in turn, 0 first, with the sentences said for them
// in that order, split by "|" (a line starting with "|" goes on).
constexpr char Righe[] = R"(
# Whole hours: the hour, the alternative of 12 and 24.
ore 12 11/12 */3 = E' mezzogiorno.|E' mezzanotte.|Sono le dodici.
ore 24 11/24 */2 = Sono le dodici.|E' mezzogiorno.
ore 24 23/24 */2 = Sono le ventiquattro.|E' mezzanotte.
# Half hours: n (1 is half past ModoOre), the family (0 past, 1 to), the alternative.
mezze 12 0/24 0/2 */3 = E' mezzogiorno e mezzo.|E' mezzanotte e mezzo.|Sono le dodici e mezzo.
mezze 24 24/48 0/2 */2 = Sono le dodici e mezzo.|E' mezzogiorno e mezzo.
mezze 24 0/48 0/2 */2 = Sono passate da mezz'ora le ventiquattro.|E' mezzanotte e mezza.
mezze 12 22/24 1/2 */3 = Manca mezz'ora a mezzogiorno.|Manca mezz'ora a mezzanotte.
                       | Manca mezz'ora alle dodici.
mezze 24 22/48 1/2 */2 = Manca mezz'ora alle dodici.|Manca mezz'ora a mezzogiorno.
mezze 24 46/48 1/2 = Manca mezz'ora alle 24.
# The half hours said with "e trenta".
trenta 24 0/48 0/2 */2 = Sono le ventiquattro e trenta.|E' mezzanotte e mezza.
trenta 24 24/48 0/2 */2 = Sono le dodici e mezzo.|E' mezzogiorno e mezzo.
trenta 24 22/48 1/2 */2 = Manca mezz'ora alle dodici.|Manca mezz'ora a mezzogiorno.
trenta 24 40/48 0/2 = Sono le 20 e trenta.
trenta 24 24/48 1/2 = Manca mezz'ora all'una.
trenta 24 0/48 1/2 = Mancano trenta minuti all'una.
# Quarters: hour, quarter, alternative, three quarters (0) or a quarter to (1), alternative.
quarti 12 11/12 0/4 1/3 0/2 = E' mezzanotte.
quarti 12 11/12 1/4 */3 0/2 = E' mezzogiorno e quindici.|E' mezzanotte e un quarto.
                            | Sono le dodici e un quarto.
quarti 24 11/24 1/4 */2 0/2 = Sono le dodici e quindici.|E' mezzogiorno e un quarto.
quarti 24 23/24 1/4 */2 0/2 = Sono le ventiquattro e quindici.|E' mezzanotte  e un quarto.
quarti 12 3/12 1/4 */2 0/2 = Sono le 4 e quindici.|Sono le 4 e un quarto.
quarti 12 11/12 2/4 */3 0/2 = E' mezzogiorno e trenta.|E' mezzanotte e mezza.
                            | Sono le dodici e mezza.
quarti 24 11/24 2/4 */2 0/2 = Sono le dodici e trenta.|E' mezzogiorno e mezza.
quarti 24 23/24 2/4 */2 0/2 = Sono le ventiquattro e trenta.|E' mezzanotte e mezza.
quarti 12 8/12 2/4 */2 0/2 = Sono le 9 e trenta.|Sono le 9 e mezza.
quarti 12 11/12 3/4 0/2 */3 = E' mezzogiorno e quarantacinque.|E' mezzanotte tre quarti.
                            | Sono le dodici tre quarti.
quarti 24 11/24 3/4 0/2 */2 = Sono le dodici e quarantacinque.|E' mezzogiorno tre quarti.
quarti 24 23/24 3/4 0/2 */2 = Sono le ventiquattro e quarantacinque.|E' mezzanotte e tre quarti.
quarti 12 1/12 3/4 0/2 */2 = Sono le 2 e quarantacinque.|Sono le 2 tre quarti.
quarti 24 23/24 3/4 1/2 = Manca un quarto d'ora all'una.
quarti 24 22/24 3/4 1/2 */2 = Mancano quindici minuti alle ventiquattro.
                            | Manca un quarto d'ora a mezzanotte.
quarti 12 10/12 3/4 1/2 */2 = Manca un quarto d'ora alle 12.|Mancano quindici minuti alle 12.
# Five minutes: hour, index, the quarters' draws, after (0) or before (1) the hour, alternative.
minuti 12 8/12 0/12 0/2 1/2 = Sono le 9
minuti 12 8/12 1/12 0/2 1/2 = Sono le 9 e 5.
minuti 12 11/12 4/12 0/2 0/2 */3 = E' mezzogiorno e 20.|E' mezzanotte e 20.|Sono le dodici e 20.
minuti 24 11/24 4/12 0/2 0/2 */2 = Sono le dodici e 20.|E' mezzogiorno e 20.
minuti 24 23/24 1/12 0/2 0/2 */2 = Sono le ventiquattro e 5.|E' mezzanotte e 5.
minuti 12 4/12 9/12 1/2 0/2 1/2 = Manca un quarto d'ora alle 6.
minuti 12 2/12 7/12 0/2 */2 = Sono le 3 e 35.|Mancano 25 minuti alle 4.
minuti 24 22/24 11/12 0/2 1/2 */2 = Mancano 5 minuti alle ventiquattro.
                                  | Mancano 5 minuti a mezzanotte.
minuti 12 10/12 11/12 0/2 1/2 = Mancano 5 minuti alle 12.
)";

// The times a sentence names (h x 100 + minutes: 1230 is half past 12), read
// from its Italian words alone, without the program's tables; none when the
// words are not a time this reader knows.
QSet<int> Leggi(QString frase, int modoOre) {
    // Minutes after the hour, or (negative) to the next one.
    // clang-format off
    static const QHash<QString, int> minutiDetti{
        {"", 0}, {"e un quarto", 15}, {"e quindici", 15}, {"e mezzo", 30}, {"e mezza", 30},
        {"e trenta", 30}, {"tre quarti", 45}, {"e tre quarti", 45}, {"e quarantacinque", 45},
        {"Manca mezz'ora", -30}, {"Manca un quarto d'ora", -15},
        {"Mancano quindici minuti", -15}, {"Mancano trenta minuti", -30}};
    static const QHash<QString, int> ore{
        {"l'una", 1}, {"una", 1}, {"mezzogiorno", 12}, {"dodici", 12}, {"ventiquattro", 24}};
    // clang-format on
    static const QRegularExpression forma(
        QStringLiteral("^(?:E' (l'una|mezzogiorno|mezzanotte)|Sono le (\\S+))(?: (.+))?$|"
                       "^(Manca.*) (?:alle |a |all')(\\S+)$"));
    static const QRegularExpression inCifre(QStringLiteral("^e (\\d+)$|^Mancano (\\d+) minuti$"));
    // Blanks carry no meaning; a full stop closes all but "Sono le 7" and its like.
    frase = frase.simplified();
    const bool punto = frase.endsWith(u'.');
    frase.chop(punto ? 1 : 0);
    if (frase == u"Sono passate da mezz'ora le ventiquattro")
        return {2430};
    const auto m = forma.match(frase);
    const QString quanto = m.captured(3) + m.captured(4),
                  parola = m.captured(1) + m.captured(2) + m.captured(5);
    const auto cifre = inCifre.match(quanto);
    const int minuti = cifre.hasMatch() ? cifre.captured(1).toInt() - cifre.captured(2).toInt()
                                        : minutiDetti.value(quanto, -99);
    bool oraInCifre = false;
    int ora = parola.toInt(&oraInCifre);
    ora = oraInCifre ? ora : parola == u"mezzanotte" ? modoOre : ore.value(parola, -1);
    // 1, 12 and 24 are said in words after "E'" and "Sono le"; "e mezzo" is
    // said of 12 only, "e tre quarti" of 1 and 24 only.
    if (!m.hasMatch() || ora < 1 || minuti == -99 || (minuti < 0) == m.captured(4).isEmpty() ||
        punto == (oraInCifre && quanto.isEmpty()) ||
        (oraInCifre && m.captured(4).isEmpty() && (ora == 1 || ora % 12 == 0)) ||
        (quanto == u"e mezzo" && ora != 12) ||
        (quanto == u"e tre quarti") != (quanto.endsWith(u"tre quarti") && (ora == 1 || ora == 24)))
        return {};
    if (minuti >= 0)
        return {100 * ora + minuti};
    // Counting down to l'una comes from 12, or from 24 where midnight is 24.
    if (ora == 1)
        return modoOre == 24 ? QSet<int>{1260 + minuti, 2460 + minuti} : QSet<int>{1260 + minuti};
    return {100 * (ora - 1) + 60 + minuti};
}

// Every question of a kind: every outcome of every draw, depth first.
// Draw p takes the middle of one of Celle(p) equal cells of [0, 1), which
// reach every outcome of the draws the questions make (12, 24 or 48 values,
// then 2, 3, 4 or 12, then 2 or 3).
QList<Domanda> TutteLeDomande(const Richiesta& richiesta) {
    struct Generatore : GeneratoreCasuale {
        static int Celle(qsizetype p) { return p == 0 ? 48 : p == 1 ? 12 : 4; }
        float Prossimo() override {
            if (usate == celle.size())
                celle.append(0);
            const qsizetype p = usate++;
            return (float(celle[p]) + 0.5f) / float(Celle(p));
        }
        QList<int> celle;
        qsizetype usate = 0;
    };
    QList<Domanda> domande;
    QList<int> celle;
    do {
        Generatore generatore;
        generatore.celle = celle;
        domande.append(NuovaDomanda(richiesta, generatore));
        celle = generatore.celle.first(generatore.usate);
        while (!celle.isEmpty() && ++celle.last() == Generatore::Celle(celle.size() - 1))
            celle.removeLast();
    } while (!celle.isEmpty());
    return domande;
}

// The asked time as the answer checks read the question variables (a screen
// leaves those it does not use at 0); the half hour n = 1 is half past ModoOre.
int Chiesto(const Domanda& d, int modoOre) {
    const int n = d.MezzeOreDomanda;
    if (n > 0)
        return n % 2 == 0 ? 50 * n : n == 1 ? 100 * modoOre + 30 : 50 * (n - 1) + 30;
    return 100 * d.OraDomanda + 15 * d.QuartoDomanda + d.MinutiDomanda;
}

// The question of a level token of Righe under the convention `modoOre`.
Richiesta RichiestaDi(const QString& livello, int modoOre) {
    static const QHash<QString, Livello> livelli{{"ore", Livello::OreIntere},
                                                 {"mezze", Livello::MezzeOre},
                                                 {"trenta", Livello::MezzeOre},
                                                 {"quarti", Livello::Quarti},
                                                 {"minuti", Livello::CinqueMinuti}};
    if (!livelli.contains(livello))
        qFatal("unknown level: %s", qPrintable(livello));
    return {livelli[livello], qint16(modoOre), qint16(modoOre), livello == u"trenta"};
}

} // namespace

class TestFrasi : public QObject {
    Q_OBJECT

private slots:
    // Each row's sentence, and no draw missing or extra.
    void frase_data() {
        QTest::addColumn<Richiesta>("richiesta");
        QTest::addColumn<QString>("copione");
        QTest::addColumn<QString>("frase");
        static const QRegularExpression riga(QStringLiteral("^(\\S+) +(\\d+) +([^=]+?) += (.+)$"));
        const QString testo = QString::fromUtf8(Righe).replace(
            QRegularExpression(QStringLiteral("\\n *\\| ?")), QStringLiteral("|"));
        for (const QString& linea : testo.split(u'\n', Qt::SkipEmptyParts)) {
            const auto m = riga.match(linea);
            if (linea.startsWith(u'#'))
                continue;
            if (!m.hasMatch())
                qFatal("malformed row: %s", qPrintable(linea));
            const QStringList frasi = m.captured(4).split(u'|');
            for (qsizetype v = 0; v < frasi.size(); ++v)
                QTest::addRow("%s (%s, %sh)", qPrintable(frasi[v]), qPrintable(m.captured(1)),
                              qPrintable(m.captured(2)))
                    << RichiestaDi(m.captured(1), m.captured(2).toInt())
                    << m.captured(3).replace(u'*', QString::number(v)) << frasi[v];
        }
    }
    void frase() {
        QFETCH(Richiesta, richiesta);
        QFETCH(QString, copione);
        QFETCH(QString, frase);
        GeneratoreScritto generatore;
        for (const QString& e : copione.split(u' ', Qt::SkipEmptyParts))
            generatore.AggiungiEstrazione(e.section(u'/', 0, 0).toInt(),
                                          e.section(u'/', 1).toInt());
        const int previste = generatore.Rimasti();
        QCOMPARE(NuovaDomanda(richiesta, generatore).FraseDaDire, frase);
        QCOMPARE(generatore.Usati(), previste);
    }

    // Every question of every level under the conventions the menu opens it
    // with: the sentence names the asked time (both, when two times share it),
    // the digital text shows it with two-digit minutes, and every time of the
    // range is asked and nothing else.
    void ogniDomanda_data() {
        QTest::addColumn<QString>("livello");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("passo");
        for (const auto& [livello, passo] : {std::pair("ore", 60), std::pair("mezze", 30),
                                             std::pair("quarti", 15), std::pair("minuti", 5)})
            for (int modoOre : {12, 24})
                QTest::addRow("%s, %dh", livello, modoOre) << livello << modoOre << passo;
        QTest::newRow("trenta, 24h") << "trenta" << 24 << 30;
    }
    void ogniDomanda() {
        QFETCH(QString, livello);
        QFETCH(int, modoOre);
        QFETCH(int, passo);
        const QList<Domanda> domande = TutteLeDomande(RichiestaDi(livello, modoOre));
        QHash<QString, QSet<int>> tempiDellaFrase;
        for (const Domanda& d : domande)
            tempiDellaFrase[d.FraseDaDire].insert(Chiesto(d, modoOre));
        QSet<int> chiesti;
        for (const Domanda& d : domande) {
            const int t = Chiesto(d, modoOre);
            chiesti.insert(t);
            QVERIFY2(t / 100 >= 1 && t / 100 <= modoOre && t % 100 % passo == 0,
                     qPrintable(d.FraseDaDire));
            QSet<int> detti{t};
            if (d.OraAlternativa != 0)
                detti.insert(100 * d.OraAlternativa + t % 100);
            QVERIFY2(Leggi(d.FraseDaDire, modoOre).contains(detti), qPrintable(d.FraseDaDire));
            QVERIFY2(tempiDellaFrase[d.FraseDaDire] == detti, qPrintable(d.FraseDaDire));
            QCOMPARE(d.TestoDigitale,
                     QStringLiteral("%1 : %2").arg(t / 100).arg(t % 100, 2, 10, QChar(u'0')));
        }
        QCOMPARE(chiesti.size(), modoOre * 60 / passo);
    }
};

QTEST_GUILESS_MAIN(TestFrasi)
#include "test_frasi.moc"
