#include "Finti.h"
#include "feedback/ColoreQt.h"
#include "feedback/SuonatorePulse.h"
#include "feedback/SuoniFeedback.h"

#include <QFileInfo>
#include <cmath>

class TestFeedback : public QObject {
    Q_OBJECT

private slots:
    // Draws of k in 18 give entries k + 1, in the colours the screen paints
    // (entries 3, 14 and 15 one pink); then r's edges give entries 1, 1, 2, 18.
    void coloreCasuale() {
        const QStringList attesi = {
            "#ffc0c0", "#ff8080", "#ffc0ff", "#ffc080", "#ff8000", "#ffffc0", "#ffff00", "#c04000",
            "#80ff80", "#00c000", "#c0ffff", "#00ffff", "#c0c0ff", "#ffc0ff", "#ffc0ff", "#e0e0e0",
            "#0000ff", "#ff00ff", "#ffc0c0", "#ffc0c0", "#ff8080", "#ff00ff"};
        GeneratoreScritto g;
        for (int k = 0; k < 18; ++k)
            g.AggiungiEstrazione(k, 18);
        g.Aggiungi({0.0f, 0.0555f, 0.0556f, 0.99999994f});
        for (int i = 0; i < attesi.size(); ++i) {
            const double c = ColoreCasuale(g); // one draw, a whole value
            QCOMPARE(QString::number(g.usati) + ' ' + ColoreQt(c).name() +
                         (c == std::floor(c) ? "" : " not whole"),
                     QString::number(i + 1) + ' ' + attesi[i]);
        }
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
