#include "BancoEsercizio.h"

#include <QLineEdit>
#include <QSignalSpy>

class TestSchermataClic : public QObject {
    Q_OBJECT
private slots:
    // One question per click screen, forced by its draws: the opening, wrong
    // clicks, the red hand, the blue one, a further right click, "riascolta",
    // the display toggle, and "avanti" to the same question again.
    void partita_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<QList<float>>("estrazioni");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QList<int>>("bersagli"); // wrong, red, blue
        using S = Schermata;
        using R = QList<float>;
        using L = QList<int>;
        QTest::newRow("frmRuota1, 15 o'clock under 24h, on the 3")
            << S::Ruota1 << 24 << R{P(14, 24)} << "Sono le 15"
            << "15 : 00" << L{12, 3};
        QTest::newRow("frmRuota3, half past three on the mark after the 3")
            << S::Ruota3 << 12 << R{P(6, 24), P(0, 2)} << "Sono le 3 e mezza."
            << "3 : 30" << L{6, 7};
        QTest::newRow("frmRuota5, half past twelve")
            << S::Ruota5 << 12 << R{P(0, 24), P(1, 2)} << "Manca mezz'ora all'una."
            << "12 : 30" << L{24, 1, 12};
        QTest::newRow("frmRuota5a, 24 o'clock")
            << S::Ruota5a << 24 << R{P(47, 48), P(0, 2)} << "Sono le ventiquattro."
            << "24 : 00" << L{12, 24, 24};
        QTest::newRow("frmRuota7, a quarter past 12")
            << S::Ruota7 << 12 << R{P(11, 12), P(1, 4), P(2, 3), P(0, 2)}
            << "Sono le dodici e un quarto."
            << "12 : 15" << L{24, 1, 6};
        QTest::newRow("frmRuota9, 25 past 3")
            << S::Ruota9 << 12 << R{P(2, 12), P(5, 12), P(0, 2), P(0, 2)} << "Sono le 3 e 25."
            << "3 : 25" << L{6, 7, 10};
        QTest::newRow("frmRuota9a, 24 : 00")
            << S::Ruota9a << 24 << R{P(23, 24), P(0, 12), P(1, 2), P(0, 2), P(0, 2)}
            << "E' mezzanotte."
            << "24 : 00" << L{1, 0, 0};
    }
    void partita() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(QList<float>, estrazioni);
        QFETCH(QString, frase);
        QFETCH(QString, testo);
        QFETCH(QList<int>, bersagli);
        BancoEsercizio b(schermata, modoOre, estrazioni);
        const bool due = bersagli.size() == 3;
        const QString istruzione = due ? "Clicca prima dove deve arrivare la lancetta rossa, poi "
                                         "dove deve arrivare quella blu."
                                       : "Clicca dove deve arrivare la lancetta rossa";
        QCOMPARE(b.voce.registro, (QStringList{"voce: 2", "velocita: 150", "ferma",
                                               "parla: " + istruzione, "parla: " + frase}));
        QCOMPARE(b.prova.contesto.FraseDaDire, frase);
        QCOMPARE(b.Testo("Text1"), testo);
        QCOMPARE(b.Testo("Command1"), "Nascondi ertavino digitale");
        QVERIFY(b.Visibile("Text1") && b.Visibile("Image1"));
        b.ControllaApertura();
        QVERIFY(b.Lancette().isEmpty());
        QVERIFY(b.Visibile("Line1") == due && !b.Visibile("Line2"));

        // the hands of the asked time, read from the digital display
        const int h = testo.section(' ', 0, 0).toInt(), m = testo.section(' ', 2).toInt();
        const QString rossa = Mano(30.0 * h + m / 2.0, true);
        b.Clicca(bersagli[0]);
        QCOMPARE(b.Contatori(), "0/1");
        QCOMPARE(b.prova.suoni.suonati, QStringList{"no.wav"});
        QVERIFY(b.Visibile("ComandoIconaNo") && !b.Visibile("ComandoIconaSi"));
        QVERIFY(b.Lancette().isEmpty());
        b.prova.casuale.Aggiungi({P(1, 4), P(3, 4)}); // the praise sounds
        b.Clicca(bersagli[1]);
        QCOMPARE(b.Lancette(), QStringList{rossa});
        QVERIFY(b.Visibile("ComandoIconaSi") && !b.Visibile("ComandoIconaNo"));
        if (due) {
            // half an answer: no sound, no count, now the blue guide line
            QCOMPARE(b.prova.suoni.suonati.size(), 1);
            QCOMPARE(b.Contatori(), "0/1");
            QVERIFY(!b.Visibile("Line1") && b.Visibile("Line2") && !b.Attivo("BottoneAvanti"));
            b.Clicca(bersagli[0]); // wrong for the blue hand too: the red one stays
            QCOMPARE(b.Lancette(), QStringList{rossa});
            QVERIFY(b.Visibile("Line2"));
            b.Clicca(bersagli[2]);
            QCOMPARE(b.Lancette(), (QStringList{rossa, Mano(6.0 * m, false)}));
            QVERIFY(!b.Visibile("Line1") && !b.Visibile("Line2"));
        }
        const QString errati = due ? "2" : "1";
        QCOMPARE(b.Contatori(), "1/" + errati);
        QCOMPARE(b.prova.suoni.suonati.last(), "si2.wav");
        QVERIFY(b.Attivo("BottoneAvanti"));
        b.Clicca(bersagli.last()); // the dial stays answerable: one more right answer
        QCOMPARE(b.Contatori(), "2/" + errati);
        QCOMPARE(b.prova.suoni.suonati.last(), "si4.wav");
        QCOMPARE(b.Lancette().size(), bersagli.size());

        // "riascolta": frmRuota1 also clears the hand and writes Text1 again
        const bool riscrive = schermata == Schermata::Ruota1;
        b.Trova<QLineEdit>("Text1")->setText(QStringLiteral("x"));
        b.voce.registro.clear();
        b.Premi("Command2");
        QCOMPARE(b.voce.registro, (QStringList{"ferma", "parla: " + frase}));
        QCOMPARE(b.Lancette().isEmpty(), riscrive);
        QCOMPARE(b.Testo("Text1"), riscrive ? testo : QStringLiteral("x"));
        QVERIFY(b.Attivo("BottoneAvanti"));

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
        QCOMPARE(b.Contatori(), "2/" + errati);
        QVERIFY(b.Visibile("ComandoIconaSi")); // the last judgement's face stays
        b.Premi("Command1");
        QCOMPARE(b.Testo("Command1"), "Nascondi ertavino digitale");
        QVERIFY(b.Visibile("Text1") && b.Visibile("Image1"));
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // "Esci" asks first: No leaves the question as it was, Yes hands over to
    // the menu.
    void esci() {
        BancoEsercizio b(Schermata::Ruota7, 12, {P(11, 12), P(1, 4), P(2, 3), P(0, 2)});
        b.Clicca(1);
        QSignalSpy menu(b.schermata.get(), &SchermataEsercizio::TornaAlMenu);
        b.prova.messaggi.risposte = {false, true};
        b.Premi("Command7");
        QVERIFY(menu.isEmpty() && b.schermata->isVisible());
        QVERIFY(b.Lancette().size() == 1 && b.Visibile("Line2"));
        const auto& domanda = b.prova.messaggi.registro.last();
        QCOMPARE(domanda.testo + '|' + domanda.titolo, "Vuoi tornare al menù?|Uso dell'ertavino");
        QVERIFY(domanda.domanda);
        b.Premi("Command7");
        QVERIFY(menu.size() == 1 && !b.schermata->isVisible());
        QCOMPARE(b.voce.registro.last(), "ferma");
    }
};

QTEST_MAIN(TestSchermataClic)
#include "test_schermata_clic.moc"
