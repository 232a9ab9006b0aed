#include "layout/Twip.h"
#include "layout/clsResize.h"

#include <QTest>

// The start screen's design with its button and a control of odd size.
struct SchermoDiProva {
    QWidget schermo;
    QWidget* bottone = new QWidget(&schermo);
    QWidget* piccolo = new QWidget(&schermo);
    clsResize scaler;

    SchermoDiProva() {
        schermo.resize(Tw(9120), Tw(6750));
        bottone->setGeometry(RettangoloTwip(2520, 4800, 3495, 1215));
        piccolo->setGeometry(7, 11, 33, 17);
        scaler.SetSourceForm(&schermo);
    }
    QList<QRect> Geometrie() const { return {bottone->geometry(), piccolo->geometry()}; }
    void Ridimensiona(int larghezza, int altezza) {
        schermo.resize(larghezza, altezza);
        scaler.ResizeControls();
    }
};

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // Twice as wide and three times as high: every kind of control.
    void scala() {
        SchermoDiProva p;
        // A line control as the screens have them: two ends, no box of its own.
        auto* linea = new QWidget(&p.schermo);
        const char* estremi[] = {"X1", "Y1", "X2", "Y2"};
        for (int i = 0; i < 4; ++i)
            linea->setProperty(estremi[i], QList{10, 15, 101, 33}[i]);
        // After a leading "@" the letters, in either case and anywhere, name
        // the values scaled; any other tag scales all four.
        const std::pair<const char*, QRect> etichette[] = {
            {"Parola", {20, 60, 60, 120}}, {"W@", {20, 60, 60, 120}},
            {"@", {10, 20, 30, 40}},       {"@WH", {10, 20, 60, 120}},
            {"@lh", {20, 20, 30, 120}},    {"@WIDTH", {10, 60, 60, 120}}};
        QList<QWidget*> conTag;
        for (const auto& e : etichette) {
            conTag << new QWidget(&p.schermo);
            conTag.last()->setGeometry(10, 20, 30, 40);
            conTag.last()->setProperty("Tag", e.first);
        }
        p.scaler.ReInitialise();
        p.Ridimensiona(p.schermo.width() * 2, p.schermo.height() * 3);

        QCOMPARE(p.Geometrie(), QList<QRect>({{336, 960, 466, 243}, {14, 33, 66, 51}}));
        QCOMPARE(QList<int>({linea->property("X1").toInt(), linea->property("Y1").toInt(),
                             linea->property("X2").toInt(), linea->property("Y2").toInt()}),
                 QList<int>({20, 45, 202, 99}));
        for (int i = 0; i < conTag.size(); ++i)
            QCOMPARE(conTag[i]->geometry(), etichette[i].second);
        QVERIFY(p.schermo.updatesEnabled()); // painting is back on
    }

    void registraRipristinaIcona() {
        SchermoDiProva p;
        const auto progetto = p.Geometrie();
        // The first call on a fresh scaler only records, at whatever size.
        p.Ridimensiona(Tw(9120) * 2, Tw(6750) * 2);
        QCOMPARE(p.Geometrie(), progetto);
        // Odd ratios, each value rounded; half and back: every control exactly
        // where it was.
        p.Ridimensiona(1021, 768);
        const auto primaVolta = p.Geometrie();
        QCOMPARE(primaVolta, QList<QRect>({{141, 273, 196, 69}, {6, 9, 28, 15}}));
        p.Ridimensiona(510, 383);
        p.Ridimensiona(1021, 768);
        QCOMPARE(p.Geometrie(), primaVolta);
        // Minimised nothing moves; restored, it scales from what was recorded.
        p.schermo.setWindowState(Qt::WindowMinimized);
        p.Ridimensiona(Tw(9120) * 4, Tw(6750) * 4);
        QCOMPARE(p.Geometrie(), primaVolta);
        p.schermo.setWindowState(Qt::WindowNoState);
        p.scaler.ResizeControls();
        QCOMPARE(p.Geometrie(), QList<QRect>({{336, 640, 466, 162}, {14, 22, 66, 34}}));
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
