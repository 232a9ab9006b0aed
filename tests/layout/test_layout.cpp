#include "layout/Twip.h"
#include "layout/clsResize.h"

#include <QComboBox>
#include <QTest>

// A line control as the screens have them: two ends, no box of its own.
class LineaDiProva : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int X1 MEMBER x1)
    Q_PROPERTY(int Y1 MEMBER y1)
    Q_PROPERTY(int X2 MEMBER x2)
    Q_PROPERTY(int Y2 MEMBER y2)
public:
    using QWidget::QWidget;
    int x1 = 10, y1 = 15, x2 = 101, y2 = 33;
};

// The start screen's design, 9120 x 6750 twips, with its button and a
// control of odd size, so that rounding would show, under one scaler.
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
        p.bottone->setFont(QFont(QStringLiteral("Arial"), 24));
        auto* linea = new LineaDiProva(&p.schermo);
        auto* tendina = new QComboBox(&p.schermo);
        tendina->setFixedHeight(22);
        tendina->setGeometry(Tw(600), Tw(4320), Tw(3735), 22);
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
            conTag.last()->setProperty("Tag", QString::fromLatin1(e.first));
        }
        p.scaler.ReInitialise();
        p.Ridimensiona(p.schermo.width() * 2, p.schermo.height() * 3);

        QCOMPARE(p.Geometrie(), QList<QRect>({{336, 960, 466, 243}, {14, 33, 66, 51}}));
        QCOMPARE(p.bottone->font().pointSize(), 24);
        QCOMPARE(QList<int>({linea->x1, linea->y1, linea->x2, linea->y2}),
                 QList<int>({20, 45, 202, 99}));
        for (int i = 0; i < conTag.size(); ++i)
            QCOMPARE(conTag[i]->geometry(), etichette[i].second);
        // A drop-down list keeps its height and still moves and widens.
        QCOMPARE(tendina->geometry(), QRect(Tw(600) * 2, Tw(4320) * 3, Tw(3735) * 2, 22));
        // Painting, held off while the controls moved, is back on.
        QVERIFY(p.schermo.updatesEnabled());
    }

    void registraRipristinaIcona() {
        SchermoDiProva p;
        const auto progetto = p.Geometrie();
        // The first call on a fresh scaler only records, at whatever size.
        p.Ridimensiona(Tw(9120) * 2, Tw(6750) * 2);
        QCOMPARE(p.Geometrie(), progetto);
        // Odd ratios, half and back: every control exactly where it was.
        p.Ridimensiona(1021, 767);
        const auto primaVolta = p.Geometrie();
        p.Ridimensiona(510, 383);
        QVERIFY(p.Geometrie() != primaVolta);
        p.Ridimensiona(1021, 767);
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
