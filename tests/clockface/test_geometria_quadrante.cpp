#include "DisposizioniDiProva.h"
#include "clockface/DisposizioneQuadrante.h"
#include "clockface/GeometriaLancetta.h"
#include "clockface/ScalaQuadrante.h"

#include <QTest>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

// Where a hand of length L points at `gradi` clockwise from 12, by plain
// trigonometry on the true pi: what the single-precision formula must match.
QPointF Atteso(double gradi, double lunghezza) {
    const double rad = qDegreesToRadians(gradi);
    return QPointF(std::sin(rad) * lunghezza, -std::cos(rad) * lunghezza);
}

bool Vicini(QPointF a, QPointF b, double tolleranza = 2e-6) {
    return std::abs(a.x() - b.x()) < tolleranza && std::abs(a.y() - b.y()) < tolleranza;
}

QString Testo(QPointF p) {
    return QStringLiteral("(%1, %2)").arg(p.x(), 0, 'g', 9).arg(p.y(), 0, 'g', 9);
}

} // namespace

class TestGeometriaQuadrante : public QObject {
    Q_OBJECT
private slots:
    // Hand tips: clockwise from 12 with y downwards, hours past 12 and past 24
    // wrapped by cosine and sine rather than reduced.
    void puntaLancetta_data() {
        QTest::addColumn<double>("gradi");
        QTest::addColumn<double>("lunghezza");
        QTest::addColumn<double>("comeGradi"); // the same direction within one turn
        QTest::newRow("hour 0 straight up") << 0.0 << LunghezzaOre << 0.0;
        QTest::newRow("12 o'clock straight up") << 360.0 << LunghezzaOre << 0.0;
        QTest::newRow("3 o'clock to the right") << 90.0 << LunghezzaOre << 90.0;
        QTest::newRow("6 o'clock down") << 180.0 << LunghezzaMinuti << 180.0;
        QTest::newRow("9 o'clock to the left") << 270.0 << LunghezzaMinuti << 270.0;
        QTest::newRow("13 o'clock as 1") << 13 * 30.0 << LunghezzaOre << 30.0;
        QTest::newRow("15 o'clock as 3") << 15 * 30.0 << LunghezzaOre << 90.0;
        QTest::newRow("24 o'clock straight up") << 24 * 30.0 << LunghezzaOre << 0.0;
        QTest::newRow("quarter past 12") << 367.5 << LunghezzaOre << 7.5;
        QTest::newRow("quarter past 24") << 727.5 << LunghezzaOre << 7.5;
        QTest::newRow("12:45 as 51 quarters") << 382.5 << LunghezzaOre << 22.5;
        QTest::newRow("half past 24 as 49 half hours") << 735.0 << LunghezzaOre << 15.0;
        QTest::newRow("10:55 hour hand") << 327.5 << LunghezzaOre << 327.5;
    }
    void puntaLancetta() {
        QFETCH(double, gradi);
        QFETCH(double, lunghezza);
        QFETCH(double, comeGradi);
        const QPointF punta = PuntaLancetta(gradi, lunghezza, PiGrecoSingolo());
        QVERIFY2(Vicini(punta, Atteso(comeGradi, lunghezza)), qPrintable(Testo(punta)));
    }

    // The end point is rounded to float, and the angle carries the float pi's
    // error: hour 0 is not exactly on the axis. Lifted from a build where the
    // optimiser dropped the rounding of both coordinates.
    void puntaInSingolaPrecisione() {
        const QPointF su = PuntaLancetta(0, LunghezzaOre, PiGrecoSingolo());
        QCOMPARE(su.y(), double(float(-LunghezzaOre)));
        QVERIFY(su.x() != 0.0 && std::abs(su.x()) < 1e-6);
        const QPointF tre = PuntaLancetta(90, LunghezzaOre, PiGrecoSingolo());
        QCOMPARE(tre.x(), double(float(LunghezzaOre)));
        const QPointF mezza = PuntaLancetta(735, LunghezzaOre, PiGrecoSingolo());
        QCOMPARE(double(float(mezza.x())), mezza.x());
        QCOMPARE(double(float(mezza.y())), mezza.y());
        QCOMPARE(PiGrecoSingolo(), float(M_PI));
    }

    // The dial scale: corners of the inner area, inside the sunken border.
    void scala() {
        const ScalaQuadrante s(QSize(449, 439));
        QCOMPARE(s.InPixel(QPointF(-2, -2)), QPointF(BordoQuadrante, BordoQuadrante));
        QCOMPARE(s.InPixel(QPointF(2, 2)), QPointF(449 - BordoQuadrante, 439 - BordoQuadrante));
        QCOMPARE(s.InPixel(QPointF(0, 0)), QPointF(224.5, 219.5));
        // one unit across differs from one unit down
        QCOMPARE(s.PixelPerUnitaX(), 111.25);
        QCOMPARE(s.PixelPerUnitaY(), 108.75);
        const QPointF p(0.7, -1.3);
        QVERIFY(Vicini(s.InUnita(s.InPixel(p)), p, 1e-12));
    }

    void scalaDiUnQuadranteVuoto() {
        const ScalaQuadrante s(QSize(0, 0));
        QCOMPARE(s.InUnita(QPointF(10, 10)), QPointF(0, 0)); // no division by zero
    }

    // Layouts: every index once, in order, with its caption.
    void indiciEDidascalie_data() {
        QTest::addColumn<DisposizioneQuadrante>("disposizione");
        QTest::addColumn<int>("primo");
        QTest::addColumn<int>("dodici");
        QTest::addColumn<QString>("dispari"); // caption of odd indices
        QTest::newRow("A: numerals 1 to 12") << DisposizioneQuadrante::A << 1 << 12 << "";
        QTest::newRow("B: marks, 12 at 24") << DisposizioneQuadrante::B << 1 << 24 << "°";
        QTest::newRow("B0: marks, 12 at 0") << DisposizioneQuadrante::B0 << 0 << 0 << "°";
        QTest::newRow("C24: blanks, 12 at 24") << DisposizioneQuadrante::C24 << 1 << 24 << "";
        QTest::newRow("C0: blanks, 12 at 0") << DisposizioneQuadrante::C0 << 0 << 0 << "";
        QTest::newRow("C9: blanks, 12 at 0") << DisposizioneQuadrante::C9 << 0 << 0 << "";
    }
    void indiciEDidascalie() {
        QFETCH(DisposizioneQuadrante, disposizione);
        QFETCH(int, primo);
        QFETCH(int, dodici);
        QFETCH(QString, dispari);
        const auto etichette = EtichetteQuadrante(disposizione);
        const int posizioni = PosizioniQuadrante(disposizione);
        QCOMPARE(etichette.size(), posizioni);
        QCOMPARE(IndiceDelDodici(disposizione), dodici);
        for (int i = 0; i < etichette.size(); ++i) {
            const EtichettaQuadrante& e = etichette[i];
            QCOMPARE(e.indice, primo + i);
            const int ora = e.indice == dodici ? 12 : (posizioni == 12 ? e.indice : e.indice / 2);
            const bool numero = posizioni == 12 || e.indice % 2 == 0;
            QCOMPARE(e.didascalia, numero ? QString::number(ora) : dispari);
        }
    }

    // Every target sits over its own position of the dial: index k at k x 30
    // (twelve positions) or k x 15 degrees, about 2400 to 2800 twips out. A
    // mistyped row lands tens of degrees away.
    void bersagliSullaLoroPosizione_data() { AggiungiDisposizioni(); }
    void bersagliSullaLoroPosizione() {
        QFETCH(DisposizioneQuadrante, disposizione);
        const double passo = 360.0 / PosizioniQuadrante(disposizione);
        const QPointF centro(6675 / 2.0, 6525 / 2.0); // the inner area's centre, in twips
        for (const EtichettaQuadrante& e : EtichetteQuadrante(disposizione)) {
            const QPointF v = QRectF(e.twip).center() - centro;
            const double gradi = qRadiansToDegrees(std::atan2(v.x(), -v.y()));
            const double scarto = std::remainder(gradi - e.indice * passo, 360.0);
            const double raggio = std::hypot(v.x(), v.y());
            QVERIFY2(std::abs(scarto) < 6 && raggio > 2300 && raggio < 2900,
                     qPrintable(QStringLiteral("index %1: %2 degrees off, %3 twips out")
                                    .arg(e.indice)
                                    .arg(scarto)
                                    .arg(raggio)));
        }
    }

    // Known boxes, including the places where the layouts differ.
    void posizioniNote_data() {
        QTest::addColumn<DisposizioneQuadrante>("disposizione");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QRect>("twip");
        QTest::newRow("A 12") << DisposizioneQuadrante::A << 12 << QRect(3120, 480, 585, 555);
        QTest::newRow("A 5") << DisposizioneQuadrante::A << 5 << QRect(4320, 5160, 585, 555);
        QTest::newRow("B numeral 5 lower")
            << DisposizioneQuadrante::B << 10 << QRect(4320, 5280, 585, 555);
        QTest::newRow("B numeral 11 higher")
            << DisposizioneQuadrante::B << 22 << QRect(1800, 840, 585, 555);
        QTest::newRow("B mark half past 3")
            << DisposizioneQuadrante::B << 7 << QRect(5760, 3840, 375, 315);
        QTest::newRow("B0 12 at 0") << DisposizioneQuadrante::B0 << 0 << QRect(3120, 480, 585, 555);
        QTest::newRow("C24 12 at 24")
            << DisposizioneQuadrante::C24 << 24 << QRect(3120, 480, 555, 435);
        QTest::newRow("C24 numeral 1")
            << DisposizioneQuadrante::C24 << 2 << QRect(4560, 960, 375, 375);
        QTest::newRow("C24 index 3")
            << DisposizioneQuadrante::C24 << 3 << QRect(5040, 1200, 615, 675);
        QTest::newRow("C0 12 at 0") << DisposizioneQuadrante::C0 << 0 << QRect(3120, 480, 555, 435);
        QTest::newRow("C9 numeral 1 higher")
            << DisposizioneQuadrante::C9 << 2 << QRect(4560, 840, 375, 375);
        QTest::newRow("C9 index 3 larger")
            << DisposizioneQuadrante::C9 << 3 << QRect(4920, 1080, 735, 795);
        QTest::newRow("C9 index 17 as C")
            << DisposizioneQuadrante::C9 << 17 << QRect(480, 3600, 375, 795);
    }
    void posizioniNote() {
        QFETCH(DisposizioneQuadrante, disposizione);
        QFETCH(int, indice);
        QFETCH(QRect, twip);
        const auto etichette = EtichetteQuadrante(disposizione);
        const auto e =
            std::find_if(etichette.cbegin(), etichette.cend(),
                         [indice](const EtichettaQuadrante& e) { return e.indice == indice; });
        QVERIFY(e != etichette.cend());
        QCOMPARE(e->twip, twip);
    }

    // Names of the in-between positions, for assistive technology.
    void posizioneTra_data() {
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("posizioni");
        QTest::addColumn<QString>("nome");
        QTest::newRow("after 12") << 1 << 24 << "tra le 12 e l'1";
        QTest::newRow("after 1") << 3 << 24 << "tra l'1 e le 2";
        QTest::newRow("after 2") << 5 << 24 << "tra le 2 e le 3";
        QTest::newRow("before 12") << 23 << 24 << "tra le 11 e le 12";
        QTest::newRow("a numeral") << 6 << 24 << "";
        QTest::newRow("twelve positions") << 3 << 12 << "";
        QTest::newRow("out of range") << 25 << 24 << "";
    }
    void posizioneTra() {
        QFETCH(int, indice);
        QFETCH(int, posizioni);
        QFETCH(QString, nome);
        QCOMPARE(PosizioneTra(indice, posizioni), nome);
    }
};

QTEST_APPLESS_MAIN(TestGeometriaQuadrante)
#include "test_geometria_quadrante.moc"
