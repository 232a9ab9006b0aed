#include "clockface/GeometriaLancetta.h"
#include "clockface/Quadrante.h"

#include <QAccessible>
#include <QPainterPath>
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
    // where plain trigonometry puts it, clockwise from 12 with y down, wrapped
    // past a turn; the tip is rounded to single precision and carries the single
    // precision pi's error (lifted from a build that dropped the rounding).
    void puntaLancetta() {
        for (double gradi = 0; gradi <= 735; gradi += 2.5) {
            for (double lunghezza : {LunghezzaOre, LunghezzaMinuti}) {
                const QPointF p = PuntaLancetta(gradi, lunghezza, PiGrecoSingolo());
                const QPointF scarto = p - Punto(gradi, lunghezza);
                QVERIFY2(qAbs(scarto.x()) < 2e-6 && qAbs(scarto.y()) < 2e-6 &&
                             double(float(p.x())) == p.x() && double(float(p.y())) == p.y(),
                         qPrintable(QString::number(gradi)));
            }
        }
        const double x = PuntaLancetta(0, LunghezzaOre, PiGrecoSingolo()).x();
        QVERIFY(qAbs(x) > 1e-8 && qAbs(x) < 1e-6);
    }

    // Both hands painted where the formula puts them, as long and as wide as
    // drawn (7 and 3 pixels), beneath the hub; a resize keeps them and the scale
    // on the area inside the sunken border, each axis on its own; Cls clears.
    void lancette_data() {
        QTest::addColumn<double>("gradi");
        QTest::addColumn<double>("verso"); // where it must point, within one turn
        QTest::newRow("3 o'clock") << 90.0 << 90.0;
        QTest::newRow("13 o'clock points at 1") << 390.0 << 30.0;
        QTest::newRow("quarter past 24") << 727.5 << 7.5;
        QTest::newRow("half past 24") << 735.0 << 15.0;
    }
    void lancette() {
        QFETCH(double, gradi);
        QFETCH(double, verso);
        Quadrante q(D::B, Sfondo);
        const int numeriRossi = Quanti(q, Rosso); // the "12"
        q.ImpostaDrawWidth(LarghezzaOre);
        q.DisegnaLancetta(gradi, LunghezzaOre, Rosso, PiGrecoSingolo());
        q.ImpostaDrawWidth(LarghezzaMinuti);
        q.DisegnaLancetta(gradi + 180, LunghezzaMinuti, Blu, PiGrecoSingolo());
        QResizeEvent ridimensiona(q.size(), q.size());
        QCoreApplication::sendEvent(&q, &ridimensiona);
        const auto Pixel = [&q](double gradi, double unita) {
            return QRect(q.Scala().InPixel(Punto(gradi, unita)).toPoint(), QSize(1, 1));
        };
        QCOMPARE(q.Scala().InPixel({-2, -2}), QPointF(BordoQuadrante, BordoQuadrante));
        QCOMPARE(q.Scala().InPixel({2, 2}),
                 QPointF(q.width(), q.height()) - QPointF(BordoQuadrante, BordoQuadrante));
        QCOMPARE(Quanti(q, Rosso, Pixel(verso, 0.7 * LunghezzaOre)), 1);
        QCOMPARE(Quanti(q, Blu, Pixel(verso + 180, 0.7)), 1);
        QCOMPARE(Quanti(q, Qt::black, Pixel(0, 0)), 1);
        const double pixel = q.Scala().PixelPerUnitaX(); // about the same down
        const double rossi = (Quanti(q, Rosso) - numeriRossi) / (LunghezzaOre * pixel);
        const double blu = Quanti(q, Blu) / (LunghezzaMinuti * pixel);
        QVERIFY(rossi > 4.5 && rossi < 8 && blu > 1 && blu < 3.5);
        q.Cls();
        QCOMPARE(Quanti(q, Rosso) + Quanti(q, Blu), numeriRossi);
    }

    // Every layout: each index once, in order, with its caption, over its own
    // place on the dial (index k at k x 30 or k x 15 degrees, 2300 to 2900 twips
    // out: a mistyped box lands tens of degrees away), one box where the layout
    // departs from the others to the twip, the numerals' ink inside their boxes,
    // the "12" red and the others black.
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
            QCOMPARE(e.indice, (dodici == 0 ? 0 : 1) + i);
            const int ora = e.indice == dodici ? 12 : e.indice * 12 / posizioni;
            QCOMPARE(e.didascalia, e.indice * 12 % posizioni == 0 ? QString::number(ora) : dispari);
            const QPointF v = QRectF(e.twip).center() - QPointF(6675 / 2.0, 6525 / 2.0);
            const double gradi = qRadiansToDegrees(std::atan2(v.x(), -v.y()));
            QVERIFY2(qAbs(std::remainder(gradi - e.indice * 360.0 / posizioni, 360.0)) < 6 &&
                         std::hypot(v.x(), v.y()) > 2300 && std::hypot(v.x(), v.y()) < 2900,
                     qPrintable(nome));
            if (e.indice == indiceNoto)
                QCOMPARE(e.twip, noto);
            const QLabel* label = q.Label1(e.indice);
            if (e.didascalia.isEmpty())
                continue;
            const QFontMetrics metriche(label->font());
            QPainterPath testo;
            testo.addText((label->width() - metriche.horizontalAdvance(e.didascalia)) / 2,
                          metriche.ascent(), label->font(), e.didascalia);
            QVERIFY2(QRectF(label->rect()).contains(testo.boundingRect()), qPrintable(nome));
            const int rossi = Quanti(q, Rosso, label->geometry());
            const int neri = Quanti(q, Qt::black, label->geometry());
            QVERIFY2(e.indice == dodici ? rossi > 5 && neri == 0 : neri > 5 && rossi == 0,
                     qPrintable(nome));
        }

        // A left click on a target reports its index, through the real hit
        // testing: neither the rim nor the hub above the targets takes it.
        // Nothing else answers: the hub, the empty face, a corner, the right
        // button, a press released on another target; a double click answers twice.
        q.show();
        QVERIFY(QTest::qWaitForWindowExposed(&q));
        QSignalSpy clic(&q, &Quadrante::Label1_Click);
        QWindow* finestra = q.windowHandle();
        const auto Centro = [&q](int indice) { return q.Label1(indice)->geometry().center(); };
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

    // What assistive technology reads: the in-between targets are named after
    // the hours they lie between, the numerals after their caption.
    void nomiAccessibili() {
        Quadrante q(D::C24, Sfondo);
        QStringList nomi;
        for (QObject* o : QObjectList{&q, q.Label1(1), q.Label1(3), q.Label1(23), q.Label1(24)})
            nomi << QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        QCOMPARE(nomi, QStringList({"Quadrante dell'orologio", "tra le 12 e l'1", "tra l'1 e le 2",
                                    "tra le 11 e le 12", "12"}));
    }
};

QTEST_MAIN(TestQuadrante)
#include "test_quadrante.moc"
