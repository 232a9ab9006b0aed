#include "ContestoDiProva.h"
#include "feedback/Colori.h"
#include "feedback/SuonatoreQt.h"
#include "feedback/SuoniFeedback.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestFeedback : public QObject {
    Q_OBJECT

private slots:
    void coloreCasuale() {
        // A draw of k in 18 gives entry k + 1, one draw each: all eighteen
        // (the pink three times), then the edges r = 0, just below and at
        // 1/18, and the largest r.
        const QList<quint32> attesi = {0xC0C0FF, 0x8080FF, 0xFFC0FF, 0x80C0FF, 0x0080FF, 0xC0FFFF,
                                       0x00FFFF, 0x0040C0, 0x80FF80, 0x00C000, 0xFFFFC0, 0xFFFF00,
                                       0xFFC0C0, 0xFFC0FF, 0xFFC0FF, 0xE0E0E0, 0xFF0000, 0xFF00FF,
                                       0xC0C0FF, 0xC0C0FF, 0x8080FF, 0xFF00FF};
        GeneratoreScritto g;
        for (int k = 0; k < 18; ++k)
            g.AggiungiEstrazione(k, 18);
        g.Aggiungi({0.0f, 0.0555f, 0.0556f, 0.99999994f});
        for (quint32 atteso : attesi)
            QCOMPARE(ColoreCasuale(g), double(atteso));
        QCOMPARE(g.Usati(), int(attesi.size()));
    }

    void suoni() {
        ContestoDiProva p;
        p.contesto.SuoniAttivati = 1; // any value but 0 is on
        p.casuale.Aggiungi({0.1f, 0.25f, 0.6f, 0.99f});
        for (int i = 0; i < 4; ++i)
            SuonoSi(p.contesto);
        SuonoNo(p.contesto);
        const QStringList uditi = {"si1.wav", "si2.wav", "si3.wav", "si4.wav", "no.wav"};
        QCOMPARE(p.suoni.suonati, uditi);
        QCOMPARE(p.casuale.Usati(), 4); // one draw for each praise, none for the error
        // Off: silent, and the random sequence is left alone.
        p.contesto.SuoniAttivati = 0;
        SuonoSi(p.contesto);
        SuonoNo(p.contesto);
        QCOMPARE(p.suoni.suonati, uditi);
        QCOMPARE(p.casuale.Usati(), 4);
    }

    void suonatoreReale() {
        // The sounds are found beside the program; without them, silence.
        QVERIFY(QFileInfo(CartellaDati("suoni") + "/si4.wav").isFile());
        QTemporaryDir vuota;
        SuonatoreQt(vuota.path()).Suona("no.wav");
        SuonatoreQt(QString()).Suona("si1.wav");
    }
};

QTEST_MAIN(TestFeedback)
#include "test_feedback.moc"
