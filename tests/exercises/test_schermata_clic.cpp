#include "BancoEsercizio.h"
#include "exercises/Figure.h"
#include "exercises/Linea.h"

#include <QSignalSpy>

namespace {

float P(int risultato, int k) {
    return GeneratoreScritto::Per(risultato, k);
}

const QString UnaLancetta = QStringLiteral("Clicca dove deve arrivare la lancetta rossa");
const QString DueLancette = QStringLiteral(
    "Clicca prima dove deve arrivare la lancetta rossa, poi dove deve arrivare quella blu.");

// One question per click screen, forced by its draws, with its right targets.
struct CasoClic {
    const char* nome;
    Schermata schermata;
    qint16 modoOre;
    QList<float> estrazioni;
    QString frase, testo;
    int rosso;
    double gradiRosso;
    int blu; // -1: one hand
    double gradiBlu;
    int sbagliato; // a target that is wrong in the first phase
};

const QList<CasoClic>& Casi() {
    static const QList<CasoClic> casi = {
        {"frmRuota1, 15 o'clock under 24h, on the 3",
         Schermata::Ruota1,
         24,
         {P(14, 24)},
         "Sono le 15",
         "15 : 00",
         3,
         90.0,
         -1,
         0,
         12},
        {"frmRuota3, half past three on the ring after the 3",
         Schermata::Ruota3,
         12,
         {P(6, 24), P(0, 2)},
         "Sono le 3 e mezza.",
         "3 : 30",
         7,
         105.0,
         -1,
         0,
         6},
        {"frmRuota5, half past twelve",
         Schermata::Ruota5,
         12,
         {P(0, 24), P(1, 2)},
         "Manca mezz'ora all'una.",
         "12 : 30",
         1,
         15.0,
         12,
         180.0,
         24},
        {"frmRuota5a, 24 o'clock",
         Schermata::Ruota5a,
         24,
         {P(47, 48), P(0, 2)},
         "Sono le ventiquattro.",
         "24 : 00",
         24,
         360.0,
         24,
         360.0,
         12},
        {"frmRuota7, a quarter past 12",
         Schermata::Ruota7,
         12,
         {P(11, 12), P(1, 4), P(2, 3), P(0, 2)},
         "Sono le dodici e un quarto.",
         "12 : 15",
         1,
         367.5,
         6,
         90.0,
         24},
        {"frmRuota9, 25 past 3",
         Schermata::Ruota9,
         12,
         {P(2, 12), P(5, 12), P(0, 2), P(0, 2)},
         "Sono le 3 e 25.",
         "3 : 25",
         7,
         102.5,
         10,
         150.0,
         6},
        {"frmRuota9a, 24 : 00",
         Schermata::Ruota9a,
         24,
         {P(23, 24), P(0, 12), P(1, 2), P(0, 2), P(0, 2)},
         "E' mezzanotte.",
         "24 : 00",
         0,
         720.0,
         0,
         0.0,
         1},
    };
    return casi;
}

// One data row per click screen.
void RighePerSchermata() {
    QTest::addColumn<int>("caso");
    for (int i = 0; i < Casi().size(); ++i)
        QTest::newRow(Casi()[i].nome) << i;
}

} // namespace

class TestSchermataClic : public QObject {
    Q_OBJECT
private slots:
    // Activation: voice, instruction, question in this order; counters at 0,
    // "avanti" off, the smiling face and the digital time as designed.
    void attivazione_data() { RighePerSchermata(); }
    void attivazione() {
        QFETCH(int, caso);
        const CasoClic& c = Casi()[caso];
        BancoEsercizio b(c.schermata, c.modoOre, c.estrazioni);
        b.Apri();

        const bool due = c.blu >= 0;
        QCOMPARE(b.schermata->objectName(), NomeSchermata(c.schermata));
        QCOMPARE(b.voce.registro,
                 (QStringList{"voce: 2", "velocita: 150", "ferma",
                              "parla: " + (due ? DueLancette : UnaLancetta), "parla: " + c.frase}));
        QCOMPARE(b.prova.contesto.FraseDaDire, c.frase);
        QCOMPARE(b.Text1(), c.testo);
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("0"));
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("0"));
        QVERIFY(!b.Attivo("BottoneAvanti"));
        QVERIFY(b.Visibile("ComandoIconaSi"));
        QVERIFY(!b.Visibile("ComandoIconaNo"));
        QCOMPARE(b.Trova<QAbstractButton>("Command1")->text(),
                 QStringLiteral("Nascondi ertavino digitale"));
        QVERIFY(b.Visibile("Text1") && b.Visibile("Image1"));
        QVERIFY(b.Dial()->Tratti().isEmpty());
        QCOMPARE(b.schermata->vScroll1(), nullptr);
        if (due) {
            QVERIFY(b.Visibile("Line1"));
            QVERIFY(!b.Visibile("Line2"));
        } else {
            QVERIFY(!b.schermata->findChild<Linea*>());
        }
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // A wrong click, then the right hand(s): counts, sounds, faces, hands.
    void rispostaGiusta_data() { RighePerSchermata(); }
    void rispostaGiusta() {
        QFETCH(int, caso);
        const CasoClic& c = Casi()[caso];
        BancoEsercizio b(c.schermata, c.modoOre, c.estrazioni);
        b.Apri();
        const bool due = c.blu >= 0;

        b.Clicca(c.sbagliato);
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("1"));
        QCOMPARE(b.prova.suoni.suonati, QStringList{"no.wav"});
        QVERIFY(b.Visibile("ComandoIconaNo") && !b.Visibile("ComandoIconaSi"));
        QVERIFY(b.Dial()->Tratti().isEmpty());

        if (!due)
            b.prova.casuale.AggiungiEstrazione(1, 4); // the praise sound
        b.Clicca(c.rosso);
        QCOMPARE(Tratti(*b.Dial()), QStringList{LancettaRossa(c.gradiRosso)});
        QVERIFY(b.Visibile("ComandoIconaSi") && !b.Visibile("ComandoIconaNo"));
        if (due) {
            // half an answer: no sound, no count, the blue guide line
            QCOMPARE(b.prova.suoni.suonati.size(), 1);
            QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("0"));
            QCOMPARE(b.schermata->FaseLancetta(), 1);
            QVERIFY(!b.Visibile("Line1") && b.Visibile("Line2"));
            QVERIFY(!b.Attivo("BottoneAvanti"));
            b.prova.casuale.AggiungiEstrazione(1, 4);
            b.Clicca(c.blu);
            QCOMPARE(Tratti(*b.Dial()),
                     (QStringList{LancettaRossa(c.gradiRosso), LancettaBlu(c.gradiBlu)}));
            QVERIFY(!b.Visibile("Line1") && !b.Visibile("Line2"));
            QCOMPARE(b.schermata->FaseLancetta(), 1);
        }
        QCOMPARE(b.prova.suoni.suonati, (QStringList{"no.wav", "si2.wav"}));
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("1"));
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("1"));
        QVERIFY(b.Attivo("BottoneAvanti"));
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // The two-hand flow: a wrong blue click keeps the red hand and the phase;
    // the dial is not locked after the answer; "avanti" starts over.
    void dueFasiEAvanti() {
        const CasoClic& c = Casi()[4]; // frmRuota7, a quarter past 12
        BancoEsercizio b(c.schermata, c.modoOre, c.estrazioni);
        b.Apri();

        b.Clicca(c.rosso);
        b.Clicca(7); // an in-between target for the blue hand
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("1"));
        QCOMPARE(b.schermata->FaseLancetta(), 1);
        QCOMPARE(b.Dial()->Tratti().size(), 1);
        b.Clicca(c.rosso); // the red target is wrong for the blue hand
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("2"));

        b.prova.casuale.Aggiungi({P(0, 4), P(3, 4)});
        b.Clicca(c.blu);
        b.Clicca(c.blu); // judged again: one more right answer, the hand drawn again
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("2"));
        QCOMPARE(b.prova.suoni.suonati, (QStringList{"no.wav", "no.wav", "si1.wav", "si4.wav"}));
        QCOMPARE(b.Dial()->Tratti().size(), 3);
        QVERIFY(b.Attivo("BottoneAvanti"));

        // 3 o'clock: blue on the 12
        b.prova.casuale.Aggiungi({P(2, 12), P(0, 4), P(0, 2)});
        b.Premi("BottoneAvanti");
        QVERIFY(!b.Attivo("BottoneAvanti"));
        QVERIFY(b.Dial()->Tratti().isEmpty());
        QCOMPARE(b.schermata->FaseLancetta(), 0);
        QVERIFY(b.Visibile("Line1") && !b.Visibile("Line2"));
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("2"));
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("2"));
        QVERIFY(b.Visibile("ComandoIconaSi")); // the last judgement's face stays
        QCOMPARE(b.voce.registro.last(), QStringLiteral("parla: Sono le 3"));
        QCOMPARE(b.Text1(), QStringLiteral("3 : 00"));
        b.Clicca(6);
        b.prova.casuale.AggiungiEstrazione(0, 4);
        b.Clicca(24);
        QCOMPARE(Tratti(*b.Dial()), (QStringList{LancettaRossa(90), LancettaBlu(360)}));
        QCOMPARE(b.prova.casuale.Rimasti(), 0);
    }

    // Clicks on the dial away from every target change nothing.
    void clicFuoriDaiBersagli() {
        BancoEsercizio b(Schermata::Ruota1, 12, {P(2, 12)});
        b.Apri();
        QTest::mouseClick(b.Dial(), Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(b.Dial(), Qt::LeftButton, {}, b.Dial()->rect().center());
        QCOMPARE(b.Etichetta("EtichettaErrati"), QStringLiteral("0"));
        QVERIFY(b.prova.suoni.suonati.isEmpty());
    }

    // "riascolta": frmRuota1 clears the hand and rewrites the digital time;
    // the others only say the sentence again. Neither touches counts or "avanti".
    void riascolta_data() {
        QTest::addColumn<int>("caso");
        QTest::addColumn<bool>("pulisce");
        QTest::newRow("frmRuota1 clears and rewrites") << 0 << true;
        QTest::newRow("frmRuota3 only speaks") << 1 << false;
    }
    void riascolta() {
        QFETCH(int, caso);
        QFETCH(bool, pulisce);
        const CasoClic& c = Casi()[caso];
        BancoEsercizio b(c.schermata, c.modoOre, c.estrazioni);
        b.prova.casuale.AggiungiEstrazione(0, 4);
        b.Apri();
        b.Clicca(c.rosso);
        b.Trova<QLineEdit>("Text1")->setText(QStringLiteral("x"));
        b.voce.registro.clear();

        b.Premi("Command2");
        QCOMPARE(b.voce.registro, (QStringList{"ferma", "parla: " + c.frase}));
        QCOMPARE(b.Dial()->Tratti().isEmpty(), pulisce);
        QCOMPARE(b.Text1(), pulisce ? c.testo : QStringLiteral("x"));
        QVERIFY(b.Attivo("BottoneAvanti"));
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("1"));
    }

    // The digital display toggle keeps its state across questions, while the
    // questions keep writing the time.
    void mostraNascondi() {
        BancoEsercizio b(Schermata::Ruota1, 12, {P(2, 12)});
        b.Apri();
        auto* toggle = b.Trova<QAbstractButton>("Command1");
        b.Premi("Command1");
        QCOMPARE(toggle->text(), QStringLiteral("Mostra ertavino digitale"));
        QVERIFY(!b.Visibile("Text1") && !b.Visibile("Image1"));

        b.prova.casuale.Aggiungi({P(0, 4), P(6, 12)});
        b.Clicca(3);
        b.Premi("BottoneAvanti");
        QVERIFY(!b.Visibile("Text1") && !b.Visibile("Image1"));
        QCOMPARE(b.Text1(), QStringLiteral("7 : 00"));

        b.Premi("Command1");
        QCOMPARE(toggle->text(), QStringLiteral("Nascondi ertavino digitale"));
        QVERIFY(b.Visibile("Text1") && b.Visibile("Image1"));
    }

    // "Esci": No leaves everything; Yes silences, hides and hands over.
    void esci() {
        BancoEsercizio b(Schermata::Ruota3, 12, {P(6, 24), P(0, 2), P(0, 4)});
        b.Apri();
        b.Clicca(7);
        QSignalSpy menu(b.schermata.get(), &SchermataEsercizio::TornaAlMenu);

        b.prova.messaggi.risposte = {false, true};
        b.Premi("Command7");
        QCOMPARE(menu.count(), 0);
        QVERIFY(b.schermata->isVisible());
        QCOMPARE(b.Dial()->Tratti().size(), 1);
        QCOMPARE(b.Etichetta("EtichettaEsatti"), QStringLiteral("1"));
        const auto& domanda = b.prova.messaggi.registro.last();
        QCOMPARE(domanda.testo, QStringLiteral("Vuoi tornare al menù?"));
        QCOMPARE(domanda.titolo, QStringLiteral("Uso dell'ertavino"));
        QVERIFY(domanda.domanda);

        b.Premi("Command7");
        QCOMPARE(menu.count(), 1);
        QVERIFY(!b.schermata->isVisible());
        QCOMPARE(b.voce.registro.last(), QStringLiteral("ferma"));
    }

    // A hand drawn by a right click really shows on the rendered face.
    void lancettaVisibile() {
        BancoEsercizio b(Schermata::Ruota1, 12, {P(2, 12), P(0, 4)});
        b.Apri();
        b.Clicca(3);
        const QImage faccia = b.Dial()->grab().toImage();
        const ScalaQuadrante& scala = b.Dial()->Scala();
        // halfway along the hand pointing at the 3, and where a hand at 9 would be
        const QPoint lungo = scala.InPixel(QPointF(0.6, 0)).toPoint();
        const QPoint opposto = scala.InPixel(QPointF(-0.6, 0)).toPoint();
        QCOMPARE(faccia.pixelColor(lungo * faccia.devicePixelRatio()), QColor(255, 0, 0));
        QCOMPARE(faccia.pixelColor(opposto * faccia.devicePixelRatio()), QColor(255, 255, 192));
    }

    // Every picture of the screen is there.
    void figure() {
        BancoEsercizio b(Schermata::Ruota5, 12, {P(0, 24), P(1, 2)});
        b.Apri();
        for (const char* nome : {"Command1", "Command2", "BottoneAvanti", "Command7"}) {
            const QIcon figura = b.Trova<QAbstractButton>(nome)->icon();
            QVERIFY2(!figura.pixmap(32, 32).isNull(), nome);
        }
        for (const char* nome : {"Image1", "ComandoIconaSi", "ComandoIconaNo"})
            QVERIFY2(b.Trova<ImmagineSvg>(nome)->Caricata(), nome);
        QVERIFY(b.Trova<QAbstractButton>("Command2")->cursor().shape() == Qt::BitmapCursor);
    }
};

QTEST_MAIN(TestSchermataClic)
#include "test_schermata_clic.moc"
