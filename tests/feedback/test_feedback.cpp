#include "Finti.h"
#include "feedback/ColoreQt.h"
#include "feedback/SuonatorePulse.h"
#include "feedback/SuoniFeedback.h"

#include <QFileInfo>
#include <cmath>

class TestFeedback : public QObject {
    Q_OBJECT

private slots:
    // A draw of k in 18 gives entry k + 1, in the colour the screen paints;
    // entries 3, 14 and 15 are one pink. Then the edges of r.
    void coloreCasuale_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("colore");
        const QStringList voci = {"#ffc0c0", "#ff8080", "#ffc0ff", "#ffc080", "#ff8000", "#ffffc0",
                                  "#ffff00", "#c04000", "#80ff80", "#00c000", "#c0ffff", "#00ffff",
                                  "#c0c0ff", "#ffc0ff", "#ffc0ff", "#e0e0e0", "#0000ff", "#ff00ff"};
        for (int k = 0; k < 18; ++k)
            QTest::addRow("entry %d", k + 1) << GeneratoreScritto::Per(k, 18) << voci[k];
        QTest::newRow("r = 0: entry 1") << 0.0f << "#ffc0c0";
        QTest::newRow("r = 0.0555: entry 1") << 0.0555f << "#ffc0c0";
        QTest::newRow("r = 0.0556: entry 2") << 0.0556f << "#ff8080";
        QTest::newRow("r just below 1: entry 18") << 0.99999994f << "#ff00ff";
    }
    void coloreCasuale() {
        QFETCH(float, r);
        QFETCH(QString, colore);
        GeneratoreScritto g;
        g.Aggiungi({r});
        const double c = ColoreCasuale(g);
        QVERIFY(g.usati == 1 && c == std::floor(c)); // one draw, a whole value
        QCOMPARE(ColoreQt(c).name(), colore);
    }

    // One draw per praise; while sounds are off, silence and no draw.
    void suoni() {
        ContestoDiProva p;
        p.casuale.Aggiungi({0.1f, 0.25f, 0.6f, 0.99f});
        for (int acceso : {1, 0}) {
            p.contesto.SuoniAttivati = qint16(acceso);
            for (int i = 0; i < 4; ++i)
                SuonoSi(p.contesto);
            SuonoNo(p.contesto);
        }
        QCOMPARE(p.suoni.suonati,
                 QStringList({"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"}));
        QCOMPARE(p.casuale.usati, 4);
        QVERIFY(QFileInfo(CartellaDati("suoni") + "/si4.wav").isFile());
        SuonatorePulse(QString()).Suona("si1.wav");
    }
};

QTEST_MAIN(TestFeedback)
#include "test_feedback.moc"
