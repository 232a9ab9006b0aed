#include "DisposizioniDiProva.h"
#include "clockface/GeometriaLancetta.h"
#include "clockface/Quadrante.h"

#include <QAccessible>
#include <QFontInfo>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QtMath>

namespace {

const QColor Sfondo(255, 255, 192);
const QColor Rosso(255, 0, 0);
const QColor Blu(0, 0, 255);

// A point `unita` dial units out from the centre at `gradi` clockwise from 12.
QPoint Pixel(const Quadrante& q, double gradi, double unita) {
    const double rad = qDegreesToRadians(gradi);
    const QPointF p = q.Scala().InPixel(QPointF(std::sin(rad) * unita, -std::cos(rad) * unita));
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

QColor Colore(const QImage& immagine, QPoint p) {
    return immagine.pixelColor(p);
}

// Draws a label's text as the label does, but unclipped on a wider sheet, and
// tells whether all its ink falls inside the label's box.
bool InchiostroNellaCasella(const QLabel& label) {
    constexpr int Margine = 20;
    const QRect casella(QPoint(Margine, Margine), label.size());
    QImage foglio(label.size() + QSize(2 * Margine, 2 * Margine), QImage::Format_RGB32);
    foglio.fill(Qt::white);
    QPainter p(&foglio);
    p.setFont(label.font());
    p.setPen(Qt::black);
    p.drawText(casella, int(label.alignment()) | Qt::TextDontClip, label.text());
    p.end();
    for (int y = 0; y < foglio.height(); ++y)
        for (int x = 0; x < foglio.width(); ++x)
            if (!casella.contains(x, y) && foglio.pixel(x, y) != qRgb(255, 255, 255))
                return false;
    return true;
}

} // namespace

class TestQuadrante : public QObject {
    Q_OBJECT
private slots:
    // Hands are painted where the formula puts them, as long as they should.
    void lancettaDisegnataDoveIndicaLaFormula_data() {
        QTest::addColumn<double>("gradi");
        QTest::addColumn<double>("verso"); // where it must point, within one turn
        QTest::newRow("3 o'clock") << 90.0 << 90.0;
        QTest::newRow("13 o'clock points at 1") << 390.0 << 30.0;
        QTest::newRow("quarter past 24") << 727.5 << 7.5;
        QTest::newRow("half past 24") << 735.0 << 15.0;
        QTest::newRow("half past 7") << 225.0 << 225.0;
    }
    void lancettaDisegnataDoveIndicaLaFormula() {
        QFETCH(double, gradi);
        QFETCH(double, verso);
        Quadrante q(DisposizioneQuadrante::A, Sfondo);
        q.ImpostaDrawWidth(LarghezzaOre);
        q.DisegnaLancetta(gradi, LunghezzaOre, Rosso, PiGrecoSingolo());
        const QPoint sulla = Pixel(q, verso, 0.7 * LunghezzaOre);
        const QPoint oltre = Pixel(q, verso, 1.25);
        QImage immagine = q.grab().toImage();
        QCOMPARE(Colore(immagine, sulla), Rosso);
        QCOMPARE(Colore(immagine, oltre), Sfondo); // no longer than the hand

        q.update(); // a repaint, as after a covering window
        QResizeEvent ridimensiona(q.size(), q.size());
        QCoreApplication::sendEvent(&q, &ridimensiona);
        immagine = q.grab().toImage();
        QCOMPARE(Colore(immagine, sulla), Rosso);

        q.Cls();
        immagine = q.grab().toImage();
        QCOMPARE(Colore(immagine, sulla), Sfondo);
        QVERIFY(q.Tratti().isEmpty());
    }

    // The drawing width in force when a hand is drawn is the one it keeps.
    void larghezzaDelTratto() {
        Quadrante q(DisposizioneQuadrante::C24, Sfondo);
        q.ImpostaDrawWidth(LarghezzaOre);
        q.DisegnaLancetta(90, LunghezzaOre, Rosso, PiGrecoSingolo());
        q.ImpostaDrawWidth(LarghezzaMinuti);
        q.DisegnaLancetta(270, LunghezzaMinuti, Blu, PiGrecoSingolo());
        const QImage immagine = q.grab().toImage();
        const QPoint destra = Pixel(q, 90, 0.6) - QPoint(0, 3);
        const QPoint sinistra = Pixel(q, 270, 0.6) - QPoint(0, 3);
        QCOMPARE(Colore(immagine, destra), Rosso);    // 3 px off the axis, inside 7
        QCOMPARE(Colore(immagine, sinistra), Sfondo); // outside 3
        QCOMPARE(Colore(immagine, sinistra + QPoint(0, 3)), Blu);
        QCOMPARE(q.Tratti().size(), 2);
        QCOMPARE(q.Tratti().at(1).larghezza, LarghezzaMinuti);
    }

    // Hands lie beneath the dial controls: the hub covers their root.
    void mozzoSopraLeLancette() {
        Quadrante q(DisposizioneQuadrante::B, Sfondo);
        q.ImpostaDrawWidth(LarghezzaOre);
        q.DisegnaLancetta(0, LunghezzaOre, Rosso, PiGrecoSingolo());
        const QImage immagine = q.grab().toImage();
        QCOMPARE(Colore(immagine, Pixel(q, 0, 0)), QColor(Qt::black));
        QCOMPARE(Colore(immagine, Pixel(q, 0, 0.7)), Rosso);
    }

    // The "12" is red, the other numerals are dark.
    void coloriDeiNumeri() {
        Quadrante q(DisposizioneQuadrante::A, Sfondo);
        const QImage immagine = q.grab().toImage();
        const auto conta = [&](int indice, auto condizione) {
            int n = 0;
            const QRect r = q.Label1(indice)->geometry();
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += condizione(immagine.pixelColor(x, y)) ? 1 : 0;
            return n;
        };
        const auto rosso = [](QColor c) {
            return c.red() > 200 && c.green() < 60 && c.blue() < 60;
        };
        const auto scuro = [](QColor c) { return c.lightness() < 60; };
        QVERIFY(conta(12, rosso) > 20);
        QCOMPARE(conta(12, scuro), 0);
        QVERIFY(conta(3, scuro) > 20);
        QCOMPARE(conta(3, rosso), 0);
    }

    // The numerals resolve to Arial or a face with its metrics, and their
    // ink stays inside their boxes.
    void numeriNelleLoroCaselle_data() { AggiungiDisposizioni(); }
    void numeriNelleLoroCaselle() {
        QFETCH(DisposizioneQuadrante, disposizione);
        Quadrante q(disposizione, Sfondo);
        for (QLabel* label : q.findChildren<QLabel*>()) {
            const QString famiglia = QFontInfo(label->font()).family();
            QVERIFY2(QStringList({"Arial", "Liberation Sans", "Arimo"}).contains(famiglia),
                     qPrintable(famiglia));
            QVERIFY2(InchiostroNellaCasella(*label), qPrintable(label->objectName()));
        }
    }

    // A click on a target reports its index, through the real hit-testing:
    // neither the rim nor the hub above the targets takes the click.
    void clicSuOgniBersaglio_data() { AggiungiDisposizioni(); }
    void clicSuOgniBersaglio() {
        QFETCH(DisposizioneQuadrante, disposizione);
        Quadrante q(disposizione, Sfondo);
        q.show();
        QVERIFY(QTest::qWaitForWindowExposed(&q));
        QSignalSpy clic(&q, &Quadrante::Label1_Click);
        QList<int> attesi;
        for (const EtichettaQuadrante& e : EtichetteQuadrante(disposizione)) {
            QCOMPARE(q.childAt(q.Label1(e.indice)->geometry().center()), q.Label1(e.indice));
            QTest::mouseClick(q.windowHandle(), Qt::LeftButton, {},
                              q.Label1(e.indice)->geometry().center());
            attesi << e.indice;
        }
        QList<int> ricevuti;
        for (const auto& argomenti : clic)
            ricevuti << argomenti.at(0).toInt();
        QCOMPARE(ricevuti, attesi);
    }

    // Clicks that are not a left click on a target do nothing.
    void clicFuoriDaiBersagli() {
        Quadrante q(DisposizioneQuadrante::C9, Sfondo);
        q.show();
        QVERIFY(QTest::qWaitForWindowExposed(&q));
        QSignalSpy clic(&q, &Quadrante::Label1_Click);
        QWindow* finestra = q.windowHandle();
        const QPoint tre = q.Label1(6)->geometry().center();
        QTest::mouseClick(finestra, Qt::LeftButton, {}, Pixel(q, 0, 0));    // on the hub
        QTest::mouseClick(finestra, Qt::LeftButton, {}, Pixel(q, 45, 0.8)); // empty face
        QTest::mouseClick(finestra, Qt::LeftButton, {}, QPoint(5, 5));      // corner
        QTest::mouseClick(finestra, Qt::RightButton, {}, tre);
        // pressed on the 3, released on the 9
        QTest::mousePress(finestra, Qt::LeftButton, {}, tre);
        QTest::mouseRelease(finestra, Qt::LeftButton, {}, q.Label1(18)->geometry().center());
        QCOMPARE(clic.count(), 0);

        // a double click answers once
        QTest::mouseDClick(finestra, Qt::LeftButton, {}, tre);
        QCOMPARE(clic.count(), 1);
        QCOMPARE(clic.at(0).at(0).toInt(), 6);
    }

    // What assistive technology reads for the dial and its targets.
    void nomiAccessibili() {
        Quadrante q(DisposizioneQuadrante::C24, Sfondo);
        const auto nome = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        QCOMPARE(nome(&q), QStringLiteral("Quadrante dell'orologio"));
        QCOMPARE(nome(q.Label1(5)), QStringLiteral("tra le 2 e le 3"));
        QCOMPARE(nome(q.Label1(24)), QStringLiteral("12"));
        QCOMPARE(q.Label1(25), nullptr);
    }
};

QTEST_MAIN(TestQuadrante)
#include "test_quadrante.moc"
