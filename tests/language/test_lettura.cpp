#include "Esploratore.h"
#include "Estrazioni.h"
#include "LettoreFrasi.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

inline size_t qHash(const TempoChiesto& t, size_t seme = 0) {
    return qHashMulti(seme, t.ora, t.minuti);
}

namespace {

// The screens as the menu opens them, with the hours they ask, the step of
// their minutes and when they write the digital time.
void ColonneSchermate() {
    QTest::addColumn<Schermata>("schermata");
    QTest::addColumn<int>("modoOre");
    QTest::addColumn<int>("ore");
    QTest::addColumn<int>("passo");
    QTest::addColumn<MomentoTesto>("momento");
    const auto Riga = [](Schermata s, int ore, int passo, MomentoTesto momento) {
        for (const SchermataInUso& inUso : SchermateInUso()) {
            if (inUso.schermata != s)
                continue;
            QTest::newRow(NomeRiga(inUso).constData())
                << s << int(inUso.modoOre) << (ore != 0 ? ore : int(inUso.modoOre)) << passo
                << momento;
        }
    };
    using M = MomentoTesto;
    Riga(Schermata::Ruota1, 0, 60, M::PrimaDiParlare);
    Riga(Schermata::Ruota2, 0, 60, M::Nessuno);
    Riga(Schermata::Ruota3, 0, 30, M::PrimaDiParlare);
    Riga(Schermata::Ruota4, 0, 30, M::Nessuno);
    Riga(Schermata::Ruota5, 0, 30, M::PrimaDiParlare);
    Riga(Schermata::Ruota5a, 0, 30, M::PrimaDiParlare);
    Riga(Schermata::Ruota6, 0, 30, M::Nessuno);
    Riga(Schermata::Ruota7, 0, 15, M::DopoAverParlato);
    Riga(Schermata::Ruota8, 0, 15, M::Nessuno);
    Riga(Schermata::Ruota9, 12, 5, M::DopoAverParlato);
    Riga(Schermata::Ruota9a, 24, 5, M::DopoAverParlato);
    Riga(Schermata::Ruota10, 0, 5, M::Nessuno);
}

QString Descrivi(const Domanda& d) {
    return QStringLiteral("\"%1\" [%2] ora %3 mezze %4 quarto %5 minuti %6 altra %7")
        .arg(d.FraseDaDire, d.TestoDigitale)
        .arg(d.OraDomanda)
        .arg(d.MezzeOreDomanda)
        .arg(d.QuartoDomanda)
        .arg(d.MinutiDomanda)
        .arg(d.OraAlternativa);
}

} // namespace

// Every question each screen can ask, found by enumerating the draws, read
// back by an independent reader of the Italian sentence.
class TestLettura : public QObject {
    Q_OBJECT

private slots:
    // The sentence names the asked time (the other reading too, when there is
    // one), the digital time shows it, and the screen asks every time of its
    // range and nothing outside it.
    void ogniFraseDiceIlTempoChiesto_data() { ColonneSchermate(); }
    void ogniFraseDiceIlTempoChiesto() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(int, ore);
        QFETCH(int, passo);
        QFETCH(MomentoTesto, momento);
        static const QRegularExpression orologio(QStringLiteral("^([1-9][0-9]?) : ([0-5][05])$"));

        QSet<TempoChiesto> chiesti;
        for (const Domanda& d : TutteLeDomande(schermata, qint16(modoOre))) {
            const TempoChiesto t = Chiesto(schermata, qint16(modoOre), d);
            chiesti.insert(t);
            const Lettura lettura = LeggiFrase(d.FraseDaDire, modoOre);
            QVERIFY2(lettura.letta, qPrintable(Descrivi(d)));
            QVERIFY2(lettura.minuti == t.minuti, qPrintable(Descrivi(d)));
            QVERIFY2(lettura.ore.contains(t.ora), qPrintable(Descrivi(d)));
            if (d.OraAlternativa != 0)
                QVERIFY2(lettura.ore.contains(d.OraAlternativa), qPrintable(Descrivi(d)));

            QCOMPARE(d.Momento, momento);
            if (momento == MomentoTesto::Nessuno) {
                QVERIFY2(d.TestoDigitale.isEmpty(), qPrintable(Descrivi(d)));
            } else {
                const auto m = orologio.match(d.TestoDigitale);
                QVERIFY2(m.hasMatch(), qPrintable(Descrivi(d)));
                QVERIFY2(m.captured(1).toInt() == t.ora && m.captured(2).toInt() == t.minuti,
                         qPrintable(Descrivi(d)));
            }
        }
        QSet<TempoChiesto> attesi;
        for (int ora = 1; ora <= ore; ++ora)
            for (int minuti = 0; minuti < 60; minuti += passo)
                attesi.insert({ora, minuti});
        QCOMPARE(chiesti, attesi);
    }

    // A sentence gets the other hour exactly when the same screen says it for
    // both 12 and 24 with the same minutes; every other sentence names one
    // time only.
    void altraLetturaSoloPerLeFrasiAmbigue_data() { ColonneSchermate(); }
    void altraLetturaSoloPerLeFrasiAmbigue() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        const QList<Domanda> domande = TutteLeDomande(schermata, qint16(modoOre));
        QHash<QString, QSet<TempoChiesto>> tempiDellaFrase;
        for (const Domanda& d : domande)
            tempiDellaFrase[d.FraseDaDire].insert(Chiesto(schermata, qint16(modoOre), d));
        int ambigue = 0;
        for (const Domanda& d : domande) {
            const TempoChiesto t = Chiesto(schermata, qint16(modoOre), d);
            QSet<TempoChiesto> letture{t};
            if (d.OraAlternativa != 0) {
                letture.insert({d.OraAlternativa, t.minuti});
                ++ambigue;
            }
            QVERIFY2(tempiDellaFrase.value(d.FraseDaDire) == letture, qPrintable(Descrivi(d)));
        }
        if (modoOre == 12)
            QCOMPARE(ambigue, 0);
    }
};

QTEST_GUILESS_MAIN(TestLettura)
#include "test_lettura.moc"
