#include "layout/SelezioneTag.h"
#include "layout/Twip.h"
#include "layout/clsResize.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
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
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// Notes whether its screen was painting while it was being resized.
class Sonda : public QWidget {
public:
    using QWidget::QWidget;
    bool disegnoDuranteScala = false;
    int ridimensionamenti = 0;

protected:
    void resizeEvent(QResizeEvent*) override {
        ++ridimensionamenti;
        disegnoDuranteScala = disegnoDuranteScala || window()->updatesEnabled();
    }
};

// A screen designed 9120 x 6750 twips with a few controls of odd sizes, so
// that rounding would show.
struct SchermoDiProva {
    QWidget schermo;
    QPushButton* bottone = new QPushButton(QStringLiteral("Avvio"), &schermo);
    QLabel* etichetta = new QLabel(QStringLiteral("Ertavino"), &schermo);
    Sonda* sonda = new Sonda(&schermo);

    SchermoDiProva() {
        schermo.resize(Tw(9120), Tw(6750));
        bottone->setGeometry(RettangoloTwip(2520, 4800, 3495, 1215));
        etichetta->setGeometry(RettangoloTwip(240, 960, 8295, 3255));
        etichetta->setFont(QFont(QStringLiteral("Arial"), 24));
        sonda->setGeometry(7, 11, 33, 17);
    }
    QList<QRect> Geometrie() const {
        return {bottone->geometry(), etichetta->geometry(), sonda->geometry()};
    }
};

QRect Per(const QRect& r, double rx, double ry) {
    return QRect(qRound(r.x() * rx), qRound(r.y() * ry), qRound(r.width() * rx),
                 qRound(r.height() * ry));
}

class TestLayout : public QObject {
    Q_OBJECT

private slots:
    // The tag names the values to scale after a leading "@"; any other tag
    // scales all four.
    void selezioneTag_data() {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("scalati"); // the letters that come out true

        QTest::newRow("vuoto: tutto") << ""
                                      << "LTWH";
        QTest::newRow("parola senza @: tutto") << "Parola"
                                               << "LTWH";
        QTest::newRow("@ non in testa: tutto") << "W@"
                                               << "LTWH";
        QTest::newRow("@ da solo: niente") << "@"
                                           << "";
        QTest::newRow("@WH: solo la misura") << "@WH"
                                             << "WH";
        QTest::newRow("@L,T: solo il posto") << "@L,T"
                                             << "LT";
        QTest::newRow("minuscole contano") << "@lh"
                                           << "LH";
        QTest::newRow("lettere ovunque dopo @") << "@WIDTH"
                                                << "TWH";
        QTest::newRow("separatori qualsiasi") << "@ h ; w"
                                              << "WH";
    }
    void selezioneTag() {
        QFETCH(QString, tag);
        QFETCH(QString, scalati);
        const SelezioneTag s = LeggiTag(tag);
        QString letto;
        if (s.L)
            letto += 'L';
        if (s.T)
            letto += 'T';
        if (s.W)
            letto += 'W';
        if (s.H)
            letto += 'H';
        QCOMPARE(letto, scalati);
    }

    void primaChiamataRegistraSoltanto() {
        SchermoDiProva p;
        const auto prima = p.Geometrie();
        clsResize scaler;
        scaler.SetSourceForm(&p.schermo);
        p.schermo.resize(p.schermo.size() * 2);
        scaler.ResizeControls();
        QCOMPARE(p.Geometrie(), prima);
        // What was recorded is the size it had when first asked.
        QCOMPARE(scaler.OriginalWidth(), p.schermo.width());
        QCOMPARE(scaler.OriginalLayout().size(), 3);
    }

    void doppiaMisuraRaddoppiaTutto() {
        SchermoDiProva p;
        const auto progetto = p.Geometrie();
        const qreal corpo = p.etichetta->font().pointSizeF();
        // Controls whose Tag limits what is scaled, all designed at (10, 20, 30, 40).
        QList<QWidget*> conTag;
        for (const char* tag : {"Pulsante", "@", "@WH"}) {
            conTag << new QWidget(&p.schermo);
            conTag.last()->setGeometry(10, 20, 30, 40);
            conTag.last()->setProperty("Tag", QString::fromLatin1(tag));
        }
        p.schermo.show(); // hidden controls get no resize event to watch
        QVERIFY(QTest::qWaitForWindowExposed(&p.schermo));
        p.sonda->disegnoDuranteScala = false;
        p.sonda->ridimensionamenti = 0;
        clsResize scaler;
        scaler.SetSourceForm(&p.schermo);
        scaler.ReInitialise();
        p.schermo.resize(p.schermo.width() * 2, p.schermo.height() * 2);
        scaler.ResizeControls();
        for (int i = 0; i < progetto.size(); ++i)
            QCOMPARE(p.Geometrie()[i], Per(progetto[i], 2, 2));
        QCOMPARE(p.etichetta->font().pointSizeF(), corpo);
        QCOMPARE(conTag[0]->geometry(), QRect(20, 40, 60, 80)); // a word without "@": all
        QCOMPARE(conTag[1]->geometry(), QRect(10, 20, 30, 40)); // "@" alone: nothing
        QCOMPARE(conTag[2]->geometry(), QRect(10, 20, 60, 80)); // "@WH": grows in place
        // Painting was held off while the controls moved, and is back on.
        QVERIFY(p.sonda->ridimensionamenti > 0);
        QVERIFY(!p.sonda->disegnoDuranteScala);
        QVERIFY(p.schermo.updatesEnabled());
    }

    void metaEPoiInteraRipristina() {
        SchermoDiProva p;
        clsResize scaler;
        scaler.SetSourceForm(&p.schermo);
        scaler.ReInitialise();
        const QSize intera(1021, 767); // ratios with long fractions
        p.schermo.resize(intera);
        scaler.ResizeControls();
        const auto primaVolta = p.Geometrie();
        p.schermo.resize(intera / 2);
        scaler.ResizeControls();
        QVERIFY(p.Geometrie() != primaVolta);
        p.schermo.resize(intera);
        scaler.ResizeControls();
        QCOMPARE(p.Geometrie(), primaVolta);
    }

    void ridottoAIconaNonCambia() {
        SchermoDiProva p;
        clsResize scaler;
        scaler.SetSourceForm(&p.schermo);
        scaler.ReInitialise();
        const auto progetto = p.Geometrie();
        p.schermo.setWindowState(Qt::WindowMinimized);
        p.schermo.resize(p.schermo.size() * 2);
        scaler.ResizeControls();
        QCOMPARE(p.Geometrie(), progetto);
        // Restored, it scales again from what was recorded.
        p.schermo.setWindowState(Qt::WindowNoState);
        scaler.ResizeControls();
        QCOMPARE(p.Geometrie()[0], Per(progetto[0], 2, 2));
    }

    void lineaScalaEntrambiGliEstremi() {
        QWidget schermo;
        schermo.resize(200, 100);
        auto* linea = new LineaDiProva(&schermo);
        linea->x1 = 10;
        linea->y1 = 15;
        linea->x2 = 101;
        linea->y2 = 33;
        auto* soloFine = new LineaDiProva(&schermo);
        soloFine->x1 = soloFine->y1 = soloFine->x2 = soloFine->y2 = 10;
        soloFine->setProperty("Tag", QStringLiteral("@WH"));
        clsResize scaler;
        scaler.SetSourceForm(&schermo);
        scaler.ReInitialise();
        schermo.resize(300, 300); // 1.5 across, 3 down
        scaler.ResizeControls();
        QCOMPARE(QList<int>({linea->x1, linea->y1, linea->x2, linea->y2}),
                 QList<int>({15, 45, 152, 99}));
        QCOMPARE(QList<int>({soloFine->x1, soloFine->y1, soloFine->x2, soloFine->y2}),
                 QList<int>({10, 10, 15, 30}));
    }

    void tendinaAdAltezzaFissa() {
        QWidget schermo;
        schermo.resize(Tw(7680), Tw(5820));
        auto* combo = new QComboBox(&schermo);
        combo->setFixedHeight(22);
        combo->setGeometry(Tw(600), Tw(4320), Tw(3735), 22);
        clsResize scaler;
        scaler.SetSourceForm(&schermo);
        scaler.ReInitialise();
        schermo.resize(schermo.width() * 2, schermo.height() * 3);
        scaler.ResizeControls();
        QCOMPARE(combo->geometry(), QRect(Tw(600) * 2, Tw(4320) * 3, Tw(3735) * 2, 22));
    }

    void schermoAl75PerCento() {
        SchermoDiProva p;
        const auto progetto = p.Geometrie();
        const QSize disegno = p.schermo.size();
        clsResize scaler;
        scaler.SetSourceForm(&p.schermo);
        scaler.SizeFormToScreen(75);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        const QSize atteso(area.width() * 3 / 4, area.height() * 3 / 4);
        QCOMPARE(p.schermo.size(), atteso);
        QCOMPARE(p.schermo.pos(),
                 area.topLeft() +
                     QPoint(area.width() - atteso.width(), area.height() - atteso.height()) / 2);
        // The layout was recorded at the design size, before the screen moved.
        QCOMPARE(scaler.OriginalWidth(), disegno.width());
        const double rx = double(atteso.width()) / disegno.width();
        const double ry = double(atteso.height()) / disegno.height();
        QCOMPARE(p.bottone->geometry(), Per(progetto[0], rx, ry));
    }

    void casiSenzaMisura() {
        // A screen recorded with no size, and a control gone since it was
        // recorded: scaling goes on without them.
        QWidget schermo;
        schermo.resize(0, 0);
        auto* resta = new QPushButton(&schermo);
        resta->setGeometry(1, 2, 3, 4);
        auto* sparisce = new QPushButton(&schermo);
        clsResize scaler;
        scaler.SetSourceForm(&schermo);
        scaler.ReInitialise();
        schermo.resize(100, 100);
        scaler.ResizeControls();
        QCOMPARE(resta->geometry(), QRect(1, 2, 3, 4));

        schermo.resize(10, 10);
        scaler.ReInitialise();
        delete sparisce;
        schermo.resize(20, 20);
        scaler.ResizeControls();
        QCOMPARE(resta->geometry(), QRect(2, 4, 6, 8));
    }

    void nuovoScalerSostituisceIlVecchio() {
        SchermoDiProva primo, secondo;
        std::unique_ptr<clsResize> ridimensiona;
        NuovoRidimensiona(ridimensiona, primo.schermo);
        QCOMPARE(ridimensiona->SourceForm(), &primo.schermo);
        NuovoRidimensiona(ridimensiona, secondo.schermo);
        QCOMPARE(ridimensiona->SourceForm(), &secondo.schermo);
        // The first screen no longer drives the scaler that is not its own.
        const auto fermo = primo.Geometrie();
        primo.schermo.resize(primo.schermo.size() * 2);
        RidimensionaSeMio(ridimensiona, primo.schermo);
        QCOMPARE(primo.Geometrie(), fermo);
    }
};

QTEST_MAIN(TestLayout)
#include "test_layout.moc"
