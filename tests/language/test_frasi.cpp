#include "core/GeneratoreCasuale.h"
#include "language/Domanda.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(Livello)

namespace {

// The times a sentence names (1230 is half past 12), read from its Italian
// words alone, without the program's tables; none for words it does not know
// or a sentence that breaks one of the rules of the language below.
QSet<int> Leggi(QString frase, int modoOre) {
    // Minutes after the hour, or (negative) to the next one.
    // clang-format off
    static const QHash<QString, int> minutiDetti{
        {"", 0}, {"e un quarto", 15}, {"e quindici", 15}, {"e mezzo", 30}, {"e mezza", 30},
        {"e trenta", 30}, {"tre quarti", 45}, {"e tre quarti", 45}, {"e quarantacinque", 45},
        {"Manca mezz'ora", -30}, {"Manca un quarto d'ora", -15},
        {"Mancano quindici minuti", -15}, {"Mancano trenta minuti", -30}};
    static const QHash<QString, int> oreDette{
        {"l'una", 1}, {"una", 1}, {"mezzogiorno", 12}, {"dodici", 12}, {"ventiquattro", 24}};
    // clang-format on
    // "E' <hour> <minutes>", "Sono le <hour> <minutes>", "Manca... a/alle/all'<hour>".
    static const QRegularExpression forma(
        QStringLiteral("^(?:E' (l'una|mezzogiorno|mezzanotte)|Sono le (\\S+))(?: (.+))?$|"
                       "^(Manca.*) (?:alle |a |all')(\\S+)$"));
    static const QRegularExpression inCifre(QStringLiteral("^e (\\d+)$|^Mancano (\\d+) minuti$"));
    frase = frase.simplified(); // blanks carry no meaning
    const bool punto = frase.endsWith(u'.');
    frase.chop(punto ? 1 : 0);
    if (frase == u"Sono passate da mezz'ora le ventiquattro")
        return {2430};
    const auto m = forma.match(frase);
    const bool manca = !m.captured(4).isEmpty();
    const QString quanto = manca ? m.captured(4) : m.captured(3);
    const QString parola = m.captured(1) + m.captured(2) + m.captured(5);
    int minuti = minutiDetti.value(quanto, -99);
    if (const auto cifre = inCifre.match(quanto); cifre.hasMatch())
        minuti = cifre.captured(1).toInt() - cifre.captured(2).toInt();
    bool oraInCifre = false;
    int ora = parola.toInt(&oraInCifre);
    if (!oraInCifre)
        ora = parola == u"mezzanotte" ? modoOre : oreDette.value(parola, -1);
    if (!m.hasMatch() || ora < 1 || minuti == -99) // words it does not know
        return {};
    if ((minuti < 0) != manca) // only "Manca" counts down
        return {};
    if (punto == (oraInCifre && quanto.isEmpty())) // a full stop closes all but "Sono le 7"
        return {};
    if (oraInCifre && !manca && (ora == 1 || ora % 12 == 0)) // "E'", "Sono le": 1, 12, 24 in words
        return {};
    if (quanto == u"e mezzo" && ora != 12) // said of 12 only
        return {};
    // "e tre quarti" is said of 1 and 24, "tre quarti" of the others.
    if (quanto.endsWith(u"tre quarti") && (quanto == u"e tre quarti") != (ora == 1 || ora == 24))
        return {};
    if (minuti >= 0)
        return {100 * ora + minuti};
    // Counting down to l'una comes from 12, or from 24 where midnight is 24.
    if (ora == 1)
        return modoOre == 24 ? QSet<int>{1260 + minuti, 2460 + minuti} : QSet<int>{1260 + minuti};
    return {100 * (ora - 1) + 60 + minuti};
}

// Every question of a kind: every outcome of every draw, depth first. Draw p
// takes the middle of one of Celle(p) equal cells of [0, 1), which reach every
// outcome of the draws the questions make (12, 24 or 48, then 2, 3, 4 or 12).
QList<Domanda> TutteLeDomande(const Richiesta& richiesta) {
    struct Generatore : GeneratoreCasuale {
        static int Celle(qsizetype p) { return QList{48, 12}.value(p, 4); }
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

// The asked time as the judging reads it. Half hours: 2h is h o'clock, 2h + 1
// half past h, and 1 half past ModoOre.
int Chiesto(const Domanda& d, int modoOre) {
    if (const int n = d.MezzeOreDomanda; n > 0)
        return 100 * (n == 1 ? modoOre : n / 2) + 30 * (n % 2);
    return 100 * d.OraDomanda + 15 * d.QuartoDomanda + d.MinutiDomanda;
}

} // namespace

class TestFrasi : public QObject {
    Q_OBJECT

private slots:
    // Every question: the sentence names the asked time (both, when two times
    // share it), the digital text shows it; every time of the range is asked.
    void ogniDomanda_data() {
        QTest::addColumn<Livello>("livello");
        QTest::addColumn<bool>("aTrenta");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("passo");
        QTest::addColumn<QStringList>("note"); // said word for word among them
        // The levels by name; "trenta" is the half hours said with "e trenta".
        const QStringList livelli{"ore", "mezze", "quarti", "minuti"};
        const auto riga = [&](const QString& livello, int modoOre, int passo, const char* note) {
            const bool trenta = livello == "trenta";
            QTest::addRow("%s, %dh", qPrintable(livello), modoOre)
                << Livello(livelli.indexOf(trenta ? "mezze" : livello)) << trenta << modoOre
                << passo << QString(note).split('|');
        };
        riga("ore", 12, 60, "E' mezzogiorno.|E' mezzanotte.|Sono le dodici.|E' l'una.|Sono le 9");
        riga("ore", 24, 60, "Sono le ventiquattro.|Sono le dodici.|E' mezzogiorno.");
        riga("mezze", 12, 30, "E' mezzanotte e mezzo.|Manca mezz'ora alle dodici.");
        riga("mezze", 24, 30, "Sono passate da mezz'ora le ventiquattro.|Manca mezz'ora alle 24.");
        riga("trenta", 24, 30, "Mancano trenta minuti all'una.|Sono le ventiquattro e trenta.");
        riga("quarti", 12, 15, "E' mezzanotte tre quarti.|Sono le 4 e un quarto.");
        riga("quarti", 24, 15, "E' mezzanotte  e un quarto.|Manca un quarto d'ora a mezzanotte.");
        riga("minuti", 12, 5, "Mancano 25 minuti alle 4.|Manca un quarto d'ora alle 6.");
        riga("minuti", 24, 5, "Mancano 5 minuti a mezzanotte.|Sono le ventiquattro e 5.");
    }
    void ogniDomanda() {
        QFETCH(Livello, livello);
        QFETCH(bool, aTrenta);
        QFETCH(int, modoOre);
        QFETCH(int, passo);
        QFETCH(QStringList, note);
        const QList<Domanda> domande =
            TutteLeDomande({livello, qint16(modoOre), qint16(modoOre), aTrenta});
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
        for (const QString& frase : note)
            QVERIFY2(tempiDellaFrase.contains(frase), qPrintable(frase));
    }
};

QTEST_GUILESS_MAIN(TestFrasi)
#include "test_frasi.moc"
