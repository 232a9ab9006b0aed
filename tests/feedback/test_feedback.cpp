#include "Finti.h"
#include "feedback/Colori.h"
#include "feedback/SuonatorePulse.h"
#include "feedback/SuoniFeedback.h"

#include <QFileInfo>

class TestFeedback : public QObject {
    Q_OBJECT

private slots:
    // A draw of k in 18 gives entry k + 1: all eighteen, then the edges of r.
    void coloreCasuale() {
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
        QCOMPARE(g.usati, int(attesi.size()));
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
