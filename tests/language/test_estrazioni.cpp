#include "Estrazioni.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

// A question as "h:mm sentence", so that a pattern can pick times and words.
QString Riassunto(Schermata schermata, qint16 modoOre, const Domanda& d) {
    const TempoChiesto t = Chiesto(schermata, modoOre, d);
    return QStringLiteral("%1:%2 %3")
        .arg(t.ora)
        .arg(t.minuti, 2, 10, QLatin1Char('0'))
        .arg(d.FraseDaDire);
}

} // namespace

// Many questions drawn with the program's own seeded generator.
class TestEstrazioni : public QObject {
    Q_OBJECT

private slots:
    // Every hour and minute of the screen's range comes up, nothing outside it,
    // and the variables a screen does not use stay 0.
    void intervalli_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        for (const SchermataInUso& inUso : SchermateInUso())
            QTest::newRow(NomeRiga(inUso).constData()) << inUso.schermata << int(inUso.modoOre);
    }
    void intervalli() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        GeneratoreCasuale casuale;
        casuale.Semina(20240501u + quint32(schermata) * 31u + quint32(modoOre));
        const bool mezzeOre = schermata >= Schermata::Ruota3 && schermata <= Schermata::Ruota6;
        const bool quarti = schermata == Schermata::Ruota7 || schermata == Schermata::Ruota8;
        const bool cinque = schermata >= Schermata::Ruota9;
        const int ore = schermata == Schermata::Ruota9    ? 12
                        : schermata == Schermata::Ruota9a ? 24
                                                          : modoOre;

        QSet<int> ora, mezze, quarto, minuti;
        for (int i = 0; i < 20000; ++i) {
            const Domanda d = NuovaDomanda(schermata, qint16(modoOre), casuale);
            ora.insert(d.OraDomanda);
            mezze.insert(d.MezzeOreDomanda);
            quarto.insert(d.QuartoDomanda);
            minuti.insert(d.MinutiDomanda);
        }
        QSet<int> oreAttese, mezzeAttese, minutiAttesi;
        for (int h = 1; h <= ore; ++h)
            oreAttese.insert(h);
        for (int n = 1; n <= 2 * modoOre; ++n)
            mezzeAttese.insert(n);
        for (int m = 0; m < 60; m += 5)
            minutiAttesi.insert(m);
        QCOMPARE(ora, mezzeOre ? QSet<int>{0} : oreAttese);
        QCOMPARE(mezze, mezzeOre ? mezzeAttese : QSet<int>{0});
        QCOMPARE(quarto, quarti ? QSet<int>({0, 1, 2, 3}) : QSet<int>{0});
        QCOMPARE(minuti, cinque ? minutiAttesi : QSet<int>{0});
    }

    // Among the questions whose summary ("h:mm sentence") matches `scelte`,
    // the share matching each pattern of `parti` is near its `quota`.
    void quote_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<QString>("scelte");
        QTest::addColumn<QStringList>("parti");
        QTest::addColumn<QList<double>>("quote");
        const double terzo = 1.0 / 3.0;
        QTest::newRow("12 in tre modi, un terzo ciascuno, 12h")
            << Schermata::Ruota1 << 12 << "^12:00 "
            << QStringList{"mezzanotte", "dodici", "mezzogiorno"}
            << QList<double>{terzo, terzo, terzo};
        QTest::newRow("12 in due modi, metà ciascuno, 24h")
            << Schermata::Ruota2 << 24 << "^12:00 " << QStringList{"mezzogiorno", "dodici"}
            << QList<double>{0.5, 0.5};
        QTest::newRow("24 in due modi, metà ciascuno, 24h")
            << Schermata::Ruota1 << 24 << "^24:00 " << QStringList{"mezzanotte", "ventiquattro"}
            << QList<double>{0.5, 0.5};
        QTest::newRow("metà ore intere, metà mezze ore, 24h")
            << Schermata::Ruota3 << 24 << "" << QStringList{":00 ", ":30 "}
            << QList<double>{0.5, 0.5};
        QTest::newRow("mezz'ora passata o mancante, metà ciascuna, 12h")
            << Schermata::Ruota4 << 12 << ":30 " << QStringList{" (E'|Sono) ", " Manca "}
            << QList<double>{0.5, 0.5};
        QTest::newRow("ogni quarto un quarto delle volte, 24h")
            << Schermata::Ruota8 << 24 << "" << QStringList{":00 ", ":15 ", ":30 ", ":45 "}
            << QList<double>{0.25, 0.25, 0.25, 0.25};
        QTest::newRow("tre quarti o un quarto mancante, metà ciascuno, 12h")
            << Schermata::Ruota7 << 12 << ":45 " << QStringList{" (E'|Sono) ", " Manca"}
            << QList<double>{0.5, 0.5};
        QTest::newRow("dopo la mezz'ora metà all'indietro, 24h")
            << Schermata::Ruota10 << 24 << ":(35|40|50|55) "
            << QStringList{" (E'|Sono) ", " Mancano "} << QList<double>{0.5, 0.5};
        QTest::newRow("prima della mezz'ora mai all'indietro, 12h")
            << Schermata::Ruota10 << 12 << ":(05|10|20|25) " << QStringList{" (E'|Sono) "}
            << QList<double>{1.0};
        QTest::newRow("frmRuota9a, ore del pomeriggio metà delle volte")
            << Schermata::Ruota9a << 24 << ""
            << QStringList{"^(1[3-9]|2[0-4]):", "^([1-9]|1[0-2]):"} << QList<double>{0.5, 0.5};
    }
    void quote() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(QString, scelte);
        QFETCH(QStringList, parti);
        QFETCH(QList<double>, quote);
        GeneratoreCasuale casuale;
        casuale.Semina(777u);
        const QRegularExpression filtro(scelte);
        QList<QRegularExpression> modelli;
        for (const QString& parte : parti)
            modelli.append(QRegularExpression(parte));
        QList<int> conteggi(parti.size(), 0);
        int scelti = 0;
        for (int i = 0; i < 60000; ++i) {
            const QString riassunto = Riassunto(schermata, qint16(modoOre),
                                                NuovaDomanda(schermata, qint16(modoOre), casuale));
            if (!filtro.match(riassunto).hasMatch())
                continue;
            ++scelti;
            for (qsizetype p = 0; p < modelli.size(); ++p) {
                if (modelli[p].match(riassunto).hasMatch()) {
                    ++conteggi[p];
                    break;
                }
            }
        }
        QVERIFY2(scelti >= 2000, qPrintable(QString::number(scelti)));
        for (qsizetype p = 0; p < parti.size(); ++p) {
            const double quota = double(conteggi[p]) / double(scelti);
            QVERIFY2(
                qAbs(quota - quote[p]) < 0.03,
                qPrintable(
                    QStringLiteral("%1: %2 of %3").arg(parti[p]).arg(conteggi[p]).arg(scelti)));
        }
    }
};

QTEST_GUILESS_MAIN(TestEstrazioni)
#include "test_estrazioni.moc"
