#include "clockface/GeometriaLancetta.h"
#include "clockface/Quadrante.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

Q_DECLARE_METATYPE(DisposizioneQuadrante)

namespace {

using D = DisposizioneQuadrante;
const QColor Sfondo(255, 255, 192), Rosso(255, 0, 0), Blu(0, 0, 255);

// The point `unita` dial units out from the centre at `gradi` clockwise from 12.
QPointF Punto(double gradi, double unita) {
    const double rad = qDegreesToRadians(gradi);
    return {std::sin(rad) * unita, -std::cos(rad) * unita};
}

// How many pixels of the painted dial, within `zona` or all of it, are `colore`.
int Quanti(Quadrante& q, QColor colore, QRect zona = {}) {
    const QImage immagine = q.grab().toImage().copy(zona);
    int n = 0;
    for (int y = 0; y < immagine.height(); ++y)
        for (int x = 0; x < immagine.width(); ++x)
            n += immagine.pixelColor(x, y) == colore;
    return n;
}

} // namespace

class TestQuadrante : public QObject {
    Q_OBJECT
private slots:
    // Every hand angle the screens use, up to half past 24 (735 degrees), points
    // where plain trigonometry puts it, clockwise from 12 with y down; the tip
    // is rounded to single precision and carries the single precision pi's
    // error (lifted from a build that dropped the rounding).
    void puntaLancetta() {
        for (double gradi = 0; gradi <= 735; gradi += 2.5) {
            const QPointF p = PuntaLancetta(gradi, LunghezzaMinuti, PiGrecoSingolo());
            const QPointF scarto = p - Punto(gradi, LunghezzaMinuti);
            QVERIFY2(qAbs(scarto.x()) < 2e-6 && qAbs(scarto.y()) < 2e-6 &&
                         double(float(p.x())) == p.x() && double(float(p.y())) == p.y(),
                     qPrintable(QString::number(gradi)));
        }
        const double x = PuntaLancetta(0, LunghezzaOre, PiGrecoSingolo()).x();
        QVERIFY(qAbs(x) > 1e-8 && qAbs(x) < 1e-6);
    }

    // Both hands at half past 24 (735 degrees, pointing at 15) painted where the
    // formula puts them inside the sunken border, each axis scaled on its own.
    void lancette() {
        Quadrante q(D::B, Sfondo);
        q.ImpostaLarghezzaTratto(LarghezzaOre);
        q.DisegnaLancetta(735, LunghezzaOre, Rosso, PiGrecoSingolo());
        q.ImpostaLarghezzaTratto(LarghezzaMinuti);
        q.DisegnaLancetta(735 + 180, LunghezzaMinuti, Blu, PiGrecoSingolo());
        const auto Pixel = [&q](double gradi, double unita) {
            return QRect(q.Scala().InPixel(Punto(gradi, unita)).toPoint(), QSize(1, 1));
        };
        QCOMPARE(q.Scala().InPixel({2, 2}),
                 QPointF(q.width(), q.height()) - QPointF(BordoQuadrante, BordoQuadrante));
        QVERIFY(Quanti(q, Rosso, Pixel(15, 0.7 * LunghezzaOre)) == 1 &&
                Quanti(q, Blu, Pixel(195, 0.7)) == 1 && Quanti(q, Qt::black, Pixel(0, 0)) == 1);
    }

    // Every layout: each index once, in order, with its caption, over its own
    // place on the dial (index k at k x 30 or k x 15 degrees, 2300 to 2900 twips
    // out), one box where the layout departs from the others to the twip, the
    // "12" red and the other numerals black.
    void disposizioni_data() {
        QTest::addColumn<D>("disposizione");
        QTest::addColumn<int>("dodici");
        QTest::addColumn<int>("indiceNoto");
        QTest::addColumn<QRect>("noto");
        QTest::newRow("A") << D::A << 12 << 5 << QRect(4320, 5160, 585, 555);
        QTest::newRow("B, 5 lower") << D::B << 24 << 10 << QRect(4320, 5280, 585, 555);
        QTest::newRow("B0, 11 higher") << D::B0 << 0 << 22 << QRect(1800, 840, 585, 555);
        QTest::newRow("C24") << D::C24 << 24 << 3 << QRect(5040, 1200, 615, 675);
        QTest::newRow("C0, 12 at 0") << D::C0 << 0 << 0 << QRect(3120, 480, 555, 435);
        QTest::newRow("C9, index 3 larger") << D::C9 << 0 << 3 << QRect(4920, 1080, 735, 795);
    }
    void disposizioni() {
        QFETCH(D, disposizione);
        QFETCH(int, dodici);
        QFETCH(int, indiceNoto);
        QFETCH(QRect, noto);
        const int posizioni = disposizione == D::A ? 12 : 24;
        const QString dispari = disposizione == D::B || disposizione == D::B0 ? "°" : "";
        const auto etichette = EtichetteQuadrante(disposizione);
        QCOMPARE(etichette.size(), posizioni);
        Quadrante q(disposizione, Sfondo);
        for (int i = 0; i < posizioni; ++i) {
            const EtichettaQuadrante& e = etichette[i];
            const QString nome = QString::number(e.indice);
            const int ora = e.indice == dodici ? 12 : e.indice * 12 / posizioni;
            const QPointF v = QRectF(e.twip).center() - QPointF(6675 / 2.0, 6525 / 2.0);
            const double gradi = qRadiansToDegrees(std::atan2(v.x(), -v.y()));
            const QRect box = q.Bersaglio(e.indice)->geometry();
            const int rossi = Quanti(q, Rosso, box), neri = Quanti(q, Qt::black, box);
            QVERIFY2(e.indice == (dodici == 0 ? 0 : 1) + i &&
                         e.didascalia ==
                             (e.indice * 12 % posizioni ? dispari : QString::number(ora)) &&
                         qAbs(std::remainder(gradi - e.indice * 360.0 / posizioni, 360.0)) < 6 &&
                         std::hypot(v.x(), v.y()) > 2300 && std::hypot(v.x(), v.y()) < 2900 &&
                         (e.indice != indiceNoto || e.twip == noto) &&
                         (e.didascalia.isEmpty() ||
                          (e.indice == dodici ? rossi > 5 && neri == 0 : neri > 5 && rossi == 0)),
                     qPrintable(nome));
        }

        // A left click on a target reports its index through the rim and hub
        // above it; the hub, the face, a corner, the right button and a press
        // released elsewhere do not; a double click answers twice.
        q.show();
        QVERIFY(QTest::qWaitForWindowExposed(&q));
        QSignalSpy clic(&q, &Quadrante::BersaglioCliccato);
        QWindow* finestra = q.windowHandle();
        const auto Centro = [&q](int indice) { return q.Bersaglio(indice)->geometry().center(); };
        const int tre = posizioni / 4;
        for (QPointF p :
             {q.Scala().InPixel({0, 0}), q.Scala().InPixel({0.55, -0.55}), QPointF(5, 5)})
            QTest::mouseClick(finestra, Qt::LeftButton, {}, p.toPoint());
        QTest::mouseClick(finestra, Qt::RightButton, {}, Centro(tre));
        QTest::mousePress(finestra, Qt::LeftButton, {}, Centro(tre));
        QTest::mouseRelease(finestra, Qt::LeftButton, {}, Centro(dodici));
        QCOMPARE(clic.count(), 0);
        QTest::mouseDClick(finestra, Qt::LeftButton, {}, Centro(tre));
        for (const EtichettaQuadrante& e : etichette)
            QTest::mouseClick(finestra, Qt::LeftButton, {}, Centro(e.indice));
        QCOMPARE(clic.count(), posizioni + 2);
        for (int i = 0; i < posizioni + 2; ++i)
            QCOMPARE(clic.at(i).at(0).toInt(), i < 2 ? tre : etichette[i - 2].indice);
    }

    // Assistive technology reads in-between targets as the hours around them.
    void nomiAccessibili() {
        Quadrante q(D::C24, Sfondo);
        QStringList nomi;
        for (int i : {1, 3, 24})
            nomi << QAccessible::queryAccessibleInterface(q.Bersaglio(i))->text(QAccessible::Name);
        QCOMPARE(nomi, QStringList({"tra le 12 e l'1", "tra l'1 e le 2", "12"}));
    }
};

QTEST_MAIN(TestQuadrante)
#include "test_quadrante.moc"
