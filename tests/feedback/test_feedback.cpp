#include "ContestoDiProva.h"
#include "feedback/ColoreQt.h"
#include "feedback/Colori.h"
#include "feedback/SuonatoreQt.h"
#include "feedback/SuoniFeedback.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

class TestFeedback : public QObject {
    Q_OBJECT
private slots:
    void coloreEstrattoDallaTabella_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<quint32>("atteso");
        QTest::newRow("r = 0 gives entry 1") << 0.0f << quint32(0xC0C0FF);
        QTest::newRow("just below 1/18 gives entry 1") << 0.0555f << quint32(0xC0C0FF);
        QTest::newRow("1/18 gives entry 2") << 0.0556f << quint32(0x8080FF);
        QTest::newRow("largest r gives entry 18") << 0.99999994f << quint32(0xFF00FF);
    }
    void coloreEstrattoDallaTabella() {
        QFETCH(float, r);
        QFETCH(quint32, atteso);
        GeneratoreScritto g({r});
        QCOMPARE(ColoreCasuale(g), double(atteso));
        QCOMPARE(g.Usati(), 1);
    }

    void distribuzioneColori() {
        GeneratoreCasuale g;
        g.Semina(12345);
        QHash<quint32, int> conteggi;
        constexpr int N = 36000;
        for (int i = 0; i < N; ++i)
            ++conteggi[quint32(ColoreCasuale(g))];
        QVERIFY(!conteggi.contains(TabellaColori[0]));
        QCOMPARE(conteggi.size(), 16); // 18 entries, the pink three times
        const int rosa = conteggi.value(0xFFC0FF);
        for (auto it = conteggi.cbegin(); it != conteggi.cend(); ++it) {
            if (it.key() == 0xFFC0FF)
                continue;
            // each single entry about 2000 times; the pink about 6000
            QVERIFY2(it.value() > 1700 && it.value() < 2300,
                     qPrintable(QString::number(it.key(), 16)));
        }
        QVERIFY(rosa > 5400 && rosa < 6600);
    }

    void conversioneInQColor() {
        QCOMPARE(ColoreQt(double(0x0080FF)), QColor(255, 128, 0)); // BBGGRR order
        QCOMPARE(ColoreQt(double(0xFF0000)), QColor(0, 0, 255));
        QCOMPARE(ColoreQt(16777214.6), QColor(255, 255, 255)); // rounded
    }

    void suonoSiConsumaUnaEstrazione_data() {
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("file");
        QTest::newRow("first quarter") << 0.1f << "si1.wav";
        QTest::newRow("second quarter") << 0.25f << "si2.wav";
        QTest::newRow("third quarter") << 0.6f << "si3.wav";
        QTest::newRow("last quarter") << 0.99f << "si4.wav";
    }
    void suonoSiConsumaUnaEstrazione() {
        QFETCH(float, r);
        QFETCH(QString, file);
        ContestoDiProva p;
        p.casuale.Aggiungi({r, 0.5f});
        SuonoSi(p.contesto);
        QCOMPARE(p.suoni.suonati, QStringList{file});
        QCOMPARE(p.casuale.Usati(), 1);
    }

    void suoniSpenti() {
        ContestoDiProva p;
        p.contesto.SuoniAttivati = 0;
        SuonoSi(p.contesto);
        SuonoNo(p.contesto);
        QVERIFY(p.suoni.suonati.isEmpty());
        QCOMPARE(p.casuale.Usati(), 0); // the random sequence is left alone
    }

    void suonoNo() {
        ContestoDiProva p;
        p.contesto.SuoniAttivati = 1; // any non-zero value means on
        SuonoNo(p.contesto);
        QCOMPARE(p.suoni.suonati, QStringList{"no.wav"});
        QCOMPARE(p.casuale.Usati(), 0);
    }

    void suonatoreRealeSenzaFile() {
        // No "suoni" folder, or a folder without the file: silent, at once.
        QTemporaryDir vuota;
        QElapsedTimer t;
        t.start();
        SuonatoreQt senzaCartella{QString()};
        senzaCartella.Suona("si1.wav");
        SuonatoreQt cartellaVuota(vuota.path());
        cartellaVuota.Suona("no.wav");
        QVERIFY(t.elapsed() < 1000);
    }

    void suonatoreRealeNonBlocca() {
        // With the real files, whatever sound device the machine has (or none):
        // playing returns at once and a new sound may follow immediately.
        const QString cartella = CartellaDati("suoni");
        if (cartella.isEmpty())
            QSKIP("sounds not beside the test executable");
        SuonatoreQt s(cartella);
        for (const char* nome : {"si1.wav", "si2.wav", "no.wav", "si3.wav", "si4.wav"})
            s.Suona(nome);
        QTest::qWait(50);
        s.Suona("si1.wav");
    }
};

QTEST_MAIN(TestFeedback)
#include "test_feedback.moc"
