#include "BancoEsercizio.h"

#include <QApplication>
#include <QScrollBar>

namespace {

// The draws of "Sono le 3" on each arrow screen.
QList<float> AlleTre(Schermata s, int modoOre) {
    QList<float> r{s == Schermata::Ruota4 || s == Schermata::Ruota6 ? P(5, 2 * modoOre)
                                                                    : P(2, modoOre)};
    if (s == Schermata::Ruota8)
        r << P(0, 4) << P(0, 2);
    if (s == Schermata::Ruota10)
        r << P(0, 12) << P(0, 2) << P(0, 2);
    return r;
}

} // namespace

class TestSchermataFrecce : public QObject {
    Q_OBJECT
private slots:
    // The opening, then from the opening setting round the clock and once
    // more, a step at a time by arrow and page keys: every step shows the
    // time a clock would, wrapping across the hour and across 12 or 24, with
    // the hands where that time puts them; "Conferma" at every step is right
    // only at 3 : 00 (15 : 00 is wrong under 24 hours), and each right answer
    // waits for "avanti", which asks again with the bars as they were.
    void giroDellOrologio_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("passi"); // steps of the moving bar in an hour
        QTest::addColumn<int>("verso");
        using S = Schermata;
        for (auto [s, passi] : {std::pair{S::Ruota2, 1},
                                {S::Ruota4, 2},
                                {S::Ruota6, 2},
                                {S::Ruota8, 4},
                                {S::Ruota10, 12}})
            for (int modo : {12, 24})
                for (int verso : {1, -1})
                    QTest::addRow("%s, %dh, %s", qPrintable(NomeSchermata(s)), modo,
                                  verso > 0 ? "forward" : "back")
                        << s << modo << passi << verso;
    }
    void giroDellOrologio() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(int, passi);
        QFETCH(int, verso);
        BancoEsercizio b(schermata, modoOre, AlleTre(schermata, modoOre));
        // frmRuota8 applies the voice only after the prompt
        const QStringList
            voce = {"voce: 2", "velocita: 150"},
            regola = {"ferma",
                      "parla: Regola l'ertavino con le frecce e poi clicca sul bottone conferma."};
        QCOMPARE(b.voce.registro, (schermata == Schermata::Ruota8 ? regola + voce : voce + regola)
                                      << "parla: Sono le 3");
        QCOMPARE(b.Testo("Command1"), "Conferma");
        b.ControllaApertura();
        auto* ore = b.Trova<QScrollBar>("vScroll1");
        auto* minuti = b.Trova<QScrollBar>("vScroll2");
        QCOMPARE(minuti != nullptr, passi > 1);
        const bool unaLancetta = schermata == Schermata::Ruota2 || schermata == Schermata::Ruota4;
        const auto lancette = [&](int h, int m) {
            const QString rossa = Mano(30.0 * h + m / 2.0, true);
            return unaLancetta ? QStringList{rossa} : QStringList{rossa, Mano(6.0 * m, false)};
        };
        // frmRuota8 and 10 open at 1 : 00, the others on the fresh bar's 0;
        // frmRuota4 shows no hand, frmRuota4 and 6 no time until a bar moves
        int h = passi > 2 ? 1 : 0, m = 0, esatti = 0, errati = 0;
        QCOMPARE(ore->value(), h);
        QCOMPARE(b.Testo("Text1"), passi == 2 ? "00 : 00" : QString::number(h) + " : 00");
        QCOMPARE(b.Lancette(), schermata == Schermata::Ruota4 ? QStringList() : lancette(h, m));
        for (int i = 0; i < passi * modoOre + 2; ++i) {
            const Qt::Key tasto = i % 2 ? (verso > 0 ? Qt::Key_PageUp : Qt::Key_PageDown)
                                        : (verso > 0 ? Qt::Key_Right : Qt::Key_Left);
            QTest::keyClick(minuti ? minuti : ore, tasto);
            m += verso * 60 / passi;
            if (m >= 60 || m < 0) {
                m = (m + 60) % 60;
                h += verso;
                h = h > modoOre ? 1 : h < 1 ? modoOre : h;
            }
            const QString testo = QString::asprintf("%d : %02d", h, m);
            QCOMPARE(b.Testo("Text1"), testo);
            QCOMPARE(b.Lancette(), lancette(h, m));
            QCOMPARE(ore->value(), h);

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
            QCOMPARE(b.Testo("Text1"), testo);
            // frmRuota4's question clears the face; the others keep their hands
            QCOMPARE(b.Lancette(), schermata == Schermata::Ruota4 ? QStringList() : lancette(h, m));
            QVERIFY(b.Visibile("ComandoIconaSi")); // the last judgement's face stays
        }
        QVERIFY(esatti > 0);
    }

    // The thumb held at the end while the mouse wobbles moves the hour once,
    // when it is let go.
    void pollicioTenutoAllaFine() {
        BancoEsercizio b(Schermata::Ruota10, 12, AlleTre(Schermata::Ruota10, 12));
        auto* minuti = b.Trova<QScrollBar>("vScroll2");
        minuti->setSliderDown(true);
        for (int posizione : {12, 11, 12})
            minuti->setSliderPosition(posizione);
        QCOMPARE(b.Testo("Text1"), "1 : 00"); // nothing while held
        minuti->setSliderDown(false);
        QCOMPARE(b.Testo("Text1"), "2 : 00");
    }

    // Tab runs through the bars and the enabled buttons, top to bottom.
    void ordineDelTab() {
        BancoEsercizio b(Schermata::Ruota8, 12, AlleTre(Schermata::Ruota8, 12));
        b.schermata->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(b.schermata.get()));
        b.Trova("vScroll1")->setFocus();
        QStringList giro;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            giro << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(giro, (QStringList{"vScroll2", "Command1", "Command2", "Command7", "vScroll1"}));
    }
};

QTEST_MAIN(TestSchermataFrecce)
#include "test_schermata_frecce.moc"
