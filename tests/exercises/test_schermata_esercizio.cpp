#include "Finti.h"
#include "MotoreVoceRegistrato.h"
#include "clockface/Quadrante.h"
#include "exercises/SchermataEsercizio.h"

#include <QAbstractButton>
#include <QMap>
#include <QScrollBar>
#include <QSignalSpy>
#include <cmath>

namespace {

constexpr auto P = &GeneratoreScritto::Per;

// A hand as "colour width (x, y)" of its tip, to four decimals.
QString Tratto(const QColor& c, int w, QPointF p) {
    const auto r = [](qreal v) { return qRound(v * 10000) / 10000.0; };
    return QString::asprintf("%s %d (%.4f, %.4f)", qPrintable(c.name()), w, r(p.x()), r(p.y()));
}

// The hands at h : m worked out afresh (single precision pi, y downwards): the
// red hour hand 1.1 long and 7 wide, the blue minute hand 1.6 long and 3 wide.
QStringList Lancette(int h, int m, bool dueLancette = true) {
    const auto mano = [](double gradi, double l, QColor c, int w) {
        const float pi = 4.0f * std::atan(1.0f);
        const double t = gradi / 360.0 * double(2.0f * pi) - double(pi / 2.0f);
        return Tratto(c, w, QPointF(float(std::cos(t) * l), float(std::sin(t) * l)));
    };
    const QStringList ora{mano(30.0 * h + m / 2.0, 1.1, Qt::red, 7)};
    return dueLancette ? ora + QStringList{mano(6.0 * m, 1.6, Qt::blue, 3)} : ora;
}

// One exercise screen on scripted draws, recorded speech, sounds and message
// boxes; voice 2 at speed 150, so that applying them shows.
struct Banco {
    ContestoDiProva prova;
    MotoreVoceRegistrato voce;
    std::unique_ptr<SchermataEsercizio> schermata;

    Banco(Schermata quale, int modoOre, const QList<float>& estrazioni) {
        prova.contesto.NumeroVoce = 2;
        prova.contesto.VelocitaVoce = 150;
        prova.casuale.Aggiungi(estrazioni);
        schermata =
            std::make_unique<SchermataEsercizio>(quale, qint16(modoOre), prova.contesto, voce);
        schermata->show();
    }
    template <class T = QWidget> T* Trova(const char* n = "Picture1") {
        return schermata->findChild<T*>(n);
    }
    QString Testo(const char* nome) { return Trova(nome)->property("text").toString(); }
    bool Visibile(const char* nome) { return Trova(nome) && Trova(nome)->isVisible(); }
    // "right/wrong" as the labels show them, the face, "avanti" on, guide lines.
    QString Stato() {
        const bool si = Visibile("ComandoIconaSi");
        return Testo("EtichettaEsatti") + '/' + Testo("EtichettaErrati") +
               (si == Visibile("ComandoIconaNo") ? " ?"
                : si                             ? " si"
                                                 : " no") +
               (Trova("BottoneAvanti")->isEnabled() ? " avanti" : "") +
               (Visibile("Line1") ? " rossa" : "") + (Visibile("Line2") ? " blu" : "");
    }
    void Premi(const char* n) { QTest::mouseClick(Trova<QAbstractButton>(n), Qt::LeftButton); }
    void Clicca(int i) { QTest::mouseClick(Trova<Quadrante>()->Bersaglio(i), Qt::LeftButton); }
    QStringList Lancette() {
        QStringList l;
        for (const Quadrante::Tratto& t : Trova<Quadrante>()->Tratti())
            l << Tratto(t.colore, t.larghezza, t.a);
        return l;
    }
};

// The draws of "Sono le 3" on each arrow screen.
QList<float> AlleTre(Schermata s, int modoOre) {
    if (s == Schermata::Ruota4 || s == Schermata::Ruota6)
        return {P(5, 2 * modoOre)};
    return QList{P(2, modoOre)} + (s == Schermata::Ruota8    ? QList{P(0, 4), P(0, 2)}
                                   : s == Schermata::Ruota10 ? QList{P(0, 12), P(0, 2), P(0, 2)}
                                                             : QList<float>());
}

} // namespace

class TestSchermataEsercizio : public QObject {
    Q_OBJECT
private slots:
    // Each screen's dial in its own colour, as the child sees it.
    void sfondo() {
        const QHash<QString, QString> colori = {
            {"frmRuota1", "#ffffc0"}, {"frmRuota2", "#ffe0c0"},  {"frmRuota3", "#c0ffff"},
            {"frmRuota4", "#ffc0ff"}, {"frmRuota5", "#ffc0c0"},  {"frmRuota5a", "#ffc0c0"},
            {"frmRuota6", "#c0ffff"}, {"frmRuota7", "#ffff00"},  {"frmRuota8", "#ffc0ff"},
            {"frmRuota9", "#ffc0c0"}, {"frmRuota9a", "#ffc0c0"}, {"frmRuota10", "#ffc080"}};
        ContestoDiProva prova;
        MotoreVoceRegistrato voce;
        for (Schermata s : TutteLeSchermate()) {
            const SchermataEsercizio e(s, 12, prova.contesto, voce);
            const QImage dipinto = e.findChild<Quadrante*>()->grab().toImage();
            QCOMPARE(e.objectName() + ' ' + dipinto.pixelColor(10, 10).name(),
                     e.objectName() + ' ' + colori[e.objectName()]);
        }
    }

    // A question on click screens: wrong clicks, the hands, "Esci" answered No,
    // "riascolta", the display toggle, "avanti", "Esci" answered Yes.
    void clic_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QList<float>>("estrazioni");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QList<int>>("bersagli"); // wrong, red, blue
        using S = Schermata;
        using R = QList<float>;
        using L = QList<int>;
        QTest::newRow("frmRuota1, 15 o'clock under 24h, on the 3")
            << S::Ruota1 << 24 << "Sono le 15" << R{P(14, 24)} << "15 : 00" << L{12, 3};
        QTest::newRow("frmRuota5, half past twelve")
            << S::Ruota5 << 12 << "Manca mezz'ora all'una." << R{P(0, 24), P(1, 2)} << "12 : 30"
            << L{24, 1, 12};
        QTest::newRow("frmRuota9a, 24 : 00")
            << S::Ruota9a << 24 << "E' mezzanotte."
            << R{P(23, 24), P(0, 12), P(1, 2), P(0, 2), P(0, 2)} << "24 : 00" << L{1, 0, 0};
    }
    void clic() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(QString, frase);
        QFETCH(QList<float>, estrazioni);
        QFETCH(QString, testo);
        QFETCH(QList<int>, bersagli);
        Banco b(schermata, modoOre, estrazioni);
        QSignalSpy menu(b.schermata.get(), &SchermataEsercizio::TornaAlMenu);
        const bool due = bersagli.size() == 3;
        const QString istruzione = due ? "Clicca prima dove deve arrivare la lancetta rossa, poi "
                                         "dove deve arrivare quella blu."
                                       : "Clicca dove deve arrivare la lancetta rossa";
        QCOMPARE(b.voce.registro, (QStringList{"voce: 2", "velocita: 150", "ferma",
                                               "parla: " + istruzione, "parla: " + frase}));
        const QString rossa = due ? " rossa" : "";
        QVERIFY(b.Testo("Text1") == testo && b.Lancette().isEmpty());
        QCOMPARE(b.Stato(), "0/0 si" + rossa);

        // the hands of the asked time, read from the digital display
        const QStringList lancette =
            Lancette(testo.section(' ', 0, 0).toInt(), testo.section(' ', 2).toInt());
        b.Clicca(bersagli[0]);
        QVERIFY(b.Stato() == "0/1 no" + rossa && b.Lancette().isEmpty() &&
                b.prova.suoni.suonati == QStringList{"no.wav"});
        b.prova.casuale.Aggiungi({P(1, 4), P(3, 4)}); // the praise sounds
        b.Clicca(bersagli[1]);
        QCOMPARE(b.Lancette(), lancette.mid(0, 1));
        if (due) {
            // half an answer: no sound, no count, the blue guide line; a wrong blue
            QVERIFY(b.Stato() == "0/1 si blu" && b.prova.suoni.suonati.size() == 1);
            b.Clicca(bersagli[0]);
            QVERIFY(b.Stato() == "0/2 no blu" && b.Lancette().size() == 1);
            b.Clicca(bersagli[2]);
        }
        const QString errati = due ? "2" : "1";
        QVERIFY(b.Lancette() == lancette.mid(0, bersagli.size() - 1) &&
                b.Stato() == "1/" + errati + " si avanti" &&
                b.prova.suoni.suonati.last() == "si2.wav");
        b.Clicca(bersagli.last()); // the dial stays answerable: one more right answer
        QVERIFY(b.Stato() == "2/" + errati + " si avanti" &&
                b.prova.suoni.suonati.last() == "si4.wav");
        b.prova.messaggi.risposte = {false};
        b.Premi("Command7"); // No: the question goes on as it was
        QVERIFY(menu.isEmpty() && b.Lancette().size() == bersagli.size());

        // "riascolta": frmRuota1 also clears the hand and writes Text1 again
        const bool riscrive = schermata == Schermata::Ruota1;
        b.Trova("Text1")->setProperty("text", "x");
        b.voce.registro.clear();
        b.Premi("Command2");
        QVERIFY(b.voce.registro == QStringList({"ferma", "parla: " + frase}) &&
                b.Lancette().isEmpty() == riscrive && b.Testo("Text1") == (riscrive ? testo : "x"));

        // the display toggle outlives "avanti"; the question writes Text1 anyway
        b.Premi("Command1");
        b.prova.casuale.Aggiungi(estrazioni);
        b.Premi("BottoneAvanti");
        QVERIFY(!b.Visibile("Text1") && !b.Visibile("Image1") && b.Testo("Text1") == testo &&
                b.Testo("Command1") == "Mostra ertavino digitale");
        QVERIFY(b.voce.registro.last() == "parla: " + frase && b.Lancette().isEmpty());
        QCOMPARE(b.Stato(), "2/" + errati + " si" + rossa);
        if (!due)
            b.prova.casuale.AggiungiEstrazione(0, 4);
        b.Clicca(bersagli[1]); // the red hand first again, as wide as ever
        QCOMPARE(b.Lancette(), lancette.mid(0, 1));
        b.Premi("Command1");
        QVERIFY(b.Visibile("Text1") && b.Visibile("Image1") && b.prova.casuale.copione.isEmpty());
        b.Premi("Command7"); // Yes: the screen goes and the menu comes back
        QVERIFY(menu.size() == 1 && !b.schermata->isVisible() && b.voce.registro.last() == "ferma");
    }

    // Round the clock by arrow key, page key and thumb, wrapping across the
    // hour and 12 or 24; "Conferma" right only at 3 : 00, then "avanti".
    void frecce_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("verso");
        using S = Schermata;
        for (Schermata s : {S::Ruota2, S::Ruota4, S::Ruota6, S::Ruota8, S::Ruota10})
            for (int modo : {12, 24})
                for (int verso : {1, -1})
                    QTest::addRow("%s, %dh, %s", qPrintable(NomeSchermata(s)), modo,
                                  verso > 0 ? "forward" : "back")
                        << s << modo << verso;
    }
    void frecce() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(int, verso);
        using S = Schermata;
        Banco b(schermata, modoOre, AlleTre(schermata, modoOre));
        const QString regola = "Regola l'ertavino con le frecce e poi clicca sul bottone conferma.";
        const QStringList v = {"voce: 2", "velocita: 150"}, r = {"ferma", "parla: " + regola};
        QCOMPARE(b.voce.registro, (schermata == S::Ruota8 ? r + v : v + r) << "parla: Sono le 3");
        QVERIFY(b.Testo("Command1") == "Conferma" && b.Stato() == "0/0 si");
        // steps of the moving bar in an hour: hours only, halves, quarters, fives
        const int passi =
            QMap<S, int>{{S::Ruota2, 1}, {S::Ruota8, 4}, {S::Ruota10, 12}}.value(schermata, 2);
        auto* barra = b.Trova<QScrollBar>(passi > 1 ? "vScroll2" : "vScroll1");
        const bool due = schermata != S::Ruota2 && schermata != S::Ruota4;
        const auto hands = [&](int h, int m) {
            return schermata == S::Ruota4 ? QStringList() : Lancette(h, m, due);
        };
        // frmRuota8 and 10 open at 1 : 00, the others on the fresh bar's 0;
        // frmRuota4 shows no hand, frmRuota4 and 6 no time until a bar moves
        int h = passi > 2 ? 1 : 0, m = 0, esatti = 0, errati = 0;
        QCOMPARE(b.Testo("Text1"), passi == 2 ? "00 : 00" : QString::number(h) + " : 00");
        QCOMPARE(b.Lancette(), hands(h, m));
        for (int i = 0; i < passi * modoOre + 2; ++i) {
            if (i % 3 == 2) {
                // the thumb dragged one step on: nothing moves until it is let go
                const QString prima = b.Testo("Text1");
                barra->setSliderDown(true);
                barra->setSliderPosition(barra->value() + verso);
                QCOMPARE(b.Testo("Text1"), prima);
                barra->setSliderDown(false);
            } else {
                QTest::keyClick(barra, i % 3 ? (verso > 0 ? Qt::Key_PageUp : Qt::Key_PageDown)
                                             : (verso > 0 ? Qt::Key_Right : Qt::Key_Left));
            }
            m += verso * 60 / passi;
            if (m >= 60 || m < 0) {
                m = (m + 60) % 60;
                h += verso;
                h = h > modoOre ? 1 : h < 1 ? modoOre : h;
            }
            const QString testo = QString::asprintf("%d : %02d", h, m);
            QCOMPARE(b.Testo("Text1"), testo);
            QCOMPARE(b.Lancette(), Lancette(h, m, due));

            const bool giusto = h == 3 && m == 0;
            if (giusto)
                b.prova.casuale.AggiungiEstrazione(0, 4); // the praise sound
            b.Premi("Command1");
            b.Premi("Command1"); // counts again if wrong; disabled if right
            esatti += giusto;
            errati += giusto ? 0 : 2;
            QCOMPARE(b.Stato() + b.prova.suoni.suonati.last(),
                     QStringLiteral("%1/%2 ").arg(esatti).arg(errati) +
                         (giusto ? "si avantisi1.wav" : "nono.wav"));
            QCOMPARE(b.Trova("Command1")->isEnabled(), !giusto);
            if (!giusto)
                continue;
            b.prova.casuale.Aggiungi(AlleTre(schermata, modoOre));
            b.Premi("BottoneAvanti");
            // the bars keep their time; frmRuota4's question clears the face
            QVERIFY(b.Trova("Command1")->isEnabled() &&
                    b.voce.registro.last() == "parla: Sono le 3");
            QVERIFY(b.Stato() == QString("%1/%2 si").arg(esatti).arg(errati) &&
                    b.Testo("Text1") == testo && b.Lancette() == hands(h, m));
        }
    }
};

QTEST_MAIN(TestSchermataEsercizio)
#include "test_schermata_esercizio.moc"
