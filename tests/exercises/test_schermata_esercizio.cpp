#include "ContestoDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "clockface/Quadrante.h"
#include "exercises/Figure.h"
#include "exercises/SchermataEsercizio.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMap>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <cmath>

namespace {

constexpr auto P = &GeneratoreScritto::Per;

// A hand as "colour width (x, y)" of its tip, to four decimals so that
// -0.00001 and 0.00001 read alike.
QString Tratto(const QColor& c, int w, QPointF p) {
    const auto r = [](qreal v) { return qRound(v * 10000) / 10000.0; };
    return QString::asprintf("%s %d (%.4f, %.4f)", qPrintable(c.name()), w, r(p.x()), r(p.y()));
}

// The hands expected at h : m, worked out afresh (single precision pi, y
// downwards): the red hour hand 1.1 long and 7 wide, the blue minute hand 1.6
// long and 3 wide.
QStringList Lancette(int h, int m, bool dueLancette = true) {
    const auto mano = [](double gradi, double l, QColor c, int w) {
        const float pi = 4.0f * std::atan(1.0f);
        const double t = gradi / 360.0 * double(2.0f * pi) - double(pi / 2.0f);
        return Tratto(c, w, QPointF(float(std::cos(t) * l), float(std::sin(t) * l)));
    };
    const QStringList ora{mano(30.0 * h + m / 2.0, 1.1, Qt::red, 7)};
    return dueLancette ? ora + QStringList{mano(6.0 * m, 1.6, Qt::blue, 3)} : ora;
}

// One exercise screen, opened on scripted draws with recorded speech, sounds
// and message boxes. Voice 2 at speed 150, so that applying them shows.
struct Banco {
    ContestoDiProva prova;
    MotoreVoceRegistrato voce;
    std::unique_ptr<SchermataEsercizio> schermata;

    Banco(Schermata quale, int modoOre, const QList<float>& estrazioni) {
        prova.contesto.ModoOre = qint16(modoOre);
        prova.contesto.NumeroVoce = 2;
        prova.contesto.VelocitaVoce = 150;
        Estrazioni(estrazioni);
        schermata = std::make_unique<SchermataEsercizio>(quale, prova.contesto, voce);
        schermata->show();
    }
    void Estrazioni(const QList<float>& estrazioni) {
        for (float r : estrazioni)
            prova.casuale.Aggiungi({r});
    }
    template <class T = QWidget> T* Trova(const char* n) { return schermata->findChild<T*>(n); }
    QString Testo(const char* nome) { return Trova(nome)->property("text").toString(); }
    // "right/wrong" as the two count labels show them.
    QString Contatori() { return Testo("EtichettaEsatti") + '/' + Testo("EtichettaErrati"); }
    bool Visibile(const char* nome) { return Trova(nome) && Trova(nome)->isVisible(); }
    bool Attivo(const char* nome) { return Trova(nome)->isEnabled(); }
    void Premi(const char* n) { QTest::mouseClick(Trova<QAbstractButton>(n), Qt::LeftButton); }
    Quadrante* Dial() { return Trova<Quadrante>("Picture1"); }
    void Clicca(int i) { QTest::mouseClick(Dial()->Label1(i), Qt::LeftButton); }
    // Two quick clicks through the window system, which makes of the second
    // press a double-click event.
    void DoppioClic(int i) {
        const QLabel* l = Dial()->Label1(i);
        QTest::mouseDClick(schermata->windowHandle(), Qt::LeftButton, {},
                           l->mapTo(schermata.get(), l->rect().center()));
    }
    QStringList Lancette() {
        QStringList l;
        for (const Quadrante::Tratto& t : Dial()->Tratti())
            l << Tratto(t.colore, t.larghezza, t.a);
        return l;
    }

    // A fresh screen: zero counts, "avanti" off, the smiling face, its pictures.
    void ControllaApertura() {
        QVERIFY(Contatori() == "0/0" && !Attivo("BottoneAvanti"));
        QVERIFY(Visibile("ComandoIconaSi") && !Visibile("ComandoIconaNo"));
        for (const char* nome : {"Image1", "ComandoIconaSi", "ComandoIconaNo"})
            QVERIFY2(Trova<ImmagineSvg>(nome)->Caricata(), nome);
        for (const char* nome : {"Command1", "Command2", "BottoneAvanti", "Command7"})
            QVERIFY2(!Trova<QAbstractButton>(nome)->icon().pixmap(32).isNull(), nome);
        QCOMPARE(Trova("Command2")->cursor().shape(), Qt::BitmapCursor);
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
    // A question on each kind of click screen: the opening, wrong clicks, the
    // hands, a further right click, "Esci" answered No, "riascolta", the
    // display toggle, "avanti" to the same question, "Esci" answered Yes.
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
        QTest::newRow("frmRuota3, half past three on the mark after the 3")
            << S::Ruota3 << 12 << "Sono le 3 e mezza." << R{P(6, 24), P(0, 2)} << "3 : 30"
            << L{6, 7};
        QTest::newRow("frmRuota5, half past twelve")
            << S::Ruota5 << 12 << "Manca mezz'ora all'una." << R{P(0, 24), P(1, 2)} << "12 : 30"
            << L{24, 1, 12};
        QTest::newRow("frmRuota7, a quarter past 12")
            << S::Ruota7 << 12 << "Sono le dodici e un quarto."
            << R{P(11, 12), P(1, 4), P(2, 3), P(0, 2)} << "12 : 15" << L{24, 1, 6};
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
        QCOMPARE(b.Testo("Text1"), testo);
        QCOMPARE(b.Testo("Command1"), "Nascondi ertavino digitale");
        QVERIFY(b.Visibile("Text1") && b.Visibile("Image1"));
        b.ControllaApertura();
        QVERIFY(b.Lancette().isEmpty() && b.Visibile("Line1") == due && !b.Visibile("Line2"));

        // the hands of the asked time, read from the digital display
        const QStringList lancette =
            Lancette(testo.section(' ', 0, 0).toInt(), testo.section(' ', 2).toInt());
        b.Clicca(bersagli[0]);
        QCOMPARE(b.Contatori(), "0/1");
        QCOMPARE(b.prova.suoni.suonati, QStringList{"no.wav"});
        QVERIFY(b.Visibile("ComandoIconaNo") && !b.Visibile("ComandoIconaSi") &&
                b.Lancette().isEmpty());
        b.prova.casuale.Aggiungi({P(1, 4), P(3, 4)}); // the praise sounds
        b.Clicca(bersagli[1]);
        QCOMPARE(b.Lancette(), lancette.mid(0, 1));
        QVERIFY(b.Visibile("ComandoIconaSi") && !b.Visibile("ComandoIconaNo"));
        if (due) {
            // half an answer: no sound, no count, now the blue guide line
            QVERIFY(b.Contatori() == "0/1" && b.prova.suoni.suonati.size() == 1);
            QVERIFY(!b.Visibile("Line1") && b.Visibile("Line2") && !b.Attivo("BottoneAvanti"));
            b.Clicca(bersagli[0]); // wrong for the blue hand too: the red one stays
            QVERIFY(b.Lancette().size() == 1 && b.Visibile("Line2"));
            b.Clicca(bersagli[2]);
            QCOMPARE(b.Lancette(), lancette);
            QVERIFY(!b.Visibile("Line1") && !b.Visibile("Line2"));
        }
        const QString errati = due ? "2" : "1";
        QCOMPARE(b.Contatori(), "1/" + errati);
        QCOMPARE(b.prova.suoni.suonati.last(), "si2.wav");
        QVERIFY(b.Attivo("BottoneAvanti"));
        b.Clicca(bersagli.last()); // the dial stays answerable: one more right answer
        QCOMPARE(b.Contatori(), "2/" + errati);
        QCOMPARE(b.prova.suoni.suonati.last(), "si4.wav");
        b.prova.messaggi.risposte = {false};
        b.Premi("Command7"); // No: the question goes on as it was
        QVERIFY(menu.isEmpty() && b.Lancette().size() == bersagli.size());
        const auto& domanda = b.prova.messaggi.registro.last();
        QCOMPARE(domanda.testo + '|' + domanda.titolo, "Vuoi tornare al menù?|Uso dell'ertavino");

        // "riascolta": frmRuota1 also clears the hand and writes Text1 again
        const bool riscrive = schermata == Schermata::Ruota1;
        b.Trova("Text1")->setProperty("text", "x");
        b.voce.registro.clear();
        b.Premi("Command2");
        QCOMPARE(b.voce.registro, (QStringList{"ferma", "parla: " + frase}));
        QVERIFY(b.Lancette().isEmpty() == riscrive && b.Attivo("BottoneAvanti"));
        QCOMPARE(b.Testo("Text1"), riscrive ? testo : "x");

        // the display toggle outlives "avanti"; the question writes Text1 anyway
        b.Premi("Command1");
        QCOMPARE(b.Testo("Command1"), "Mostra ertavino digitale");
        b.Estrazioni(estrazioni);
        b.Premi("BottoneAvanti");
        QVERIFY(!b.Visibile("Text1") && !b.Visibile("Image1"));
        QCOMPARE(b.Testo("Text1"), testo);
        QCOMPARE(b.voce.registro.last(), "parla: " + frase);
        QVERIFY(!b.Attivo("BottoneAvanti") && b.Lancette().isEmpty());
        QVERIFY(b.Visibile("Line1") == due && !b.Visibile("Line2"));
        QVERIFY(b.Contatori() == "2/" + errati && b.Visibile("ComandoIconaSi"));
        if (!due)
            b.prova.casuale.AggiungiEstrazione(0, 4);
        b.Clicca(bersagli[1]); // the red hand first again, as wide as ever
        QCOMPARE(b.Lancette(), lancette.mid(0, 1));
        b.Premi("Command1");
        QCOMPARE(b.Testo("Command1"), "Nascondi ertavino digitale");
        QVERIFY(b.Visibile("Text1") && b.Visibile("Image1"));
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
        b.Premi("Command7"); // Yes: the screen goes and the menu comes back
        QVERIFY(menu.size() == 1 && !b.schermata->isVisible());
        QCOMPARE(b.voce.registro.last(), "ferma");
    }

    // At 12 o'clock both hands go on the "12": a double click on it places
    // both; once answered, another double click counts two more right answers.
    void doppioClic_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<QList<float>>("estrazioni");
        QTest::addColumn<int>("dodici");
        QTest::newRow("frmRuota5, 12h")
            << Schermata::Ruota5 << 12 << QList{P(23, 24), P(0, 3)} << 24;
        QTest::newRow("frmRuota7, 24h")
            << Schermata::Ruota7 << 24 << QList{P(23, 24), P(0, 4), P(0, 2), P(0, 2)} << 24;
        QTest::newRow("frmRuota9a, 24h")
            << Schermata::Ruota9a << 24 << QList{P(23, 24), P(0, 12), P(1, 2), P(0, 2), P(0, 2)}
            << 0;
    }
    void doppioClic() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(QList<float>, estrazioni);
        QFETCH(int, dodici);
        Banco b(schermata, modoOre, estrazioni + QList<float>(3, P(0, 4)));
        b.DoppioClic(dodici);
        QCOMPARE(b.Lancette(), Lancette(12, 0));
        QCOMPARE(b.Contatori(), "1/0");
        b.DoppioClic(dodici);
        QCOMPARE(b.Contatori(), "3/0");
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // The opening, then round the clock and once more by arrow key, page key
    // and thumb: every step shows the time a clock would, wrapping across the
    // hour and 12 or 24, with its hands; "Conferma" is right only at 3 : 00
    // (not 15 : 00), and a right answer waits for "avanti", which asks again.
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
        // frmRuota8 applies the voice only after the prompt
        const QString regola = "Regola l'ertavino con le frecce e poi clicca sul bottone conferma.";
        const QStringList v = {"voce: 2", "velocita: 150"}, r = {"ferma", "parla: " + regola};
        QCOMPARE(b.voce.registro, (schermata == S::Ruota8 ? r + v : v + r) << "parla: Sono le 3");
        QCOMPARE(b.Testo("Command1"), "Conferma");
        b.ControllaApertura();
        // steps of the moving bar in an hour: hours only, halves, quarters, fives
        const int passi =
            QMap<S, int>{{S::Ruota2, 1}, {S::Ruota8, 4}, {S::Ruota10, 12}}.value(schermata, 2);
        auto* barra = b.Trova<QScrollBar>(passi > 1 ? "vScroll2" : "vScroll1");
        const bool due = schermata != S::Ruota2 && schermata != S::Ruota4;
        // frmRuota8 and 10 open at 1 : 00, the others on the fresh bar's 0;
        // frmRuota4 shows no hand, frmRuota4 and 6 no time until a bar moves
        int h = passi > 2 ? 1 : 0, m = 0, esatti = 0, errati = 0;
        QCOMPARE(b.Testo("Text1"), passi == 2 ? "00 : 00" : QString::number(h) + " : 00");
        QCOMPARE(b.Lancette(), schermata == S::Ruota4 ? QStringList() : Lancette(h, m, due));
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
            QCOMPARE(b.Contatori(), QStringLiteral("%1/%2").arg(esatti).arg(errati));
            QCOMPARE(b.prova.suoni.suonati.last(), giusto ? "si1.wav" : "no.wav");
            QVERIFY(b.Visibile("ComandoIconaSi") == giusto &&
                    b.Visibile("ComandoIconaNo") != giusto);
            QVERIFY(b.Attivo("Command1") != giusto && b.Attivo("BottoneAvanti") == giusto);
            if (!giusto)
                continue;
            b.Estrazioni(AlleTre(schermata, modoOre));
            b.Premi("BottoneAvanti");
            QVERIFY(b.Attivo("Command1") && !b.Attivo("BottoneAvanti"));
            QCOMPARE(b.voce.registro.last(), "parla: Sono le 3");
            // the bars keep their time; frmRuota4's question clears the face
            QCOMPARE(b.Testo("Text1"), testo);
            QCOMPARE(b.Lancette(), schermata == S::Ruota4 ? QStringList() : Lancette(h, m, due));
            QVERIFY(b.Visibile("ComandoIconaSi")); // the last judgement's face stays
        }
    }
};

QTEST_MAIN(TestSchermataEsercizio)
#include "test_schermata_esercizio.moc"
