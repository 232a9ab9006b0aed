#include "CasaDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "ProgrammaDiProva.h"

#include <QComboBox>
#include <QScreen>

namespace {

// The program on recording fakes in a private home, the random draws given.
struct Programma {
    CasaDiProva casa;
    GeneratoreScritto casuale;
    SuonatoreRegistrato suoni;
    MotoreVoceRegistrato motore;
    ProgrammaDiProva p{casuale, suoni, motore, casa.Lock()};

    explicit Programma(const QList<float>& primi = {}) {
        casuale.Aggiungi(primi + QList<float>(400, 0.3f));
    }
    void Menu() {
        QVERIFY(p.Avvia());
        p.Premi("Command1");
    }
    QString Testo(const char* nome) const { return p.Figlio(nome)->property("text").toString(); }
    // The loaded screen fills the display; the one it replaced is deleted.
    void Passato(const QPointer<QWidget>& vecchio) const {
        QCOMPARE(p.Schermo()->frameGeometry(), qApp->primaryScreen()->availableGeometry());
        QVERIFY(!vecchio);
    }
};

// The colour a control shows at the middle of its right edge, away from text.
QColor Dipinto(QWidget* controllo) {
    return controllo->grab().toImage().pixelColor(controllo->width() - 2, controllo->height() / 2);
}

} // namespace

class TestSchermate : public QObject {
    Q_OBJECT

private slots:
    // Start screen, menu, sounds off, an exercise, back, and out.
    void percorso() {
        // Colour entries 12 (FFFF00) for the start screen, 3 (FFC0FF) for the menu.
        Programma prog({GeneratoreScritto::Per(11, 18), GeneratoreScritto::Per(2, 18)});
        QVERIFY(prog.p.Avvia());
        const QPointer<QWidget> avvio = prog.p.Schermo();
        QCOMPARE(Dipinto(avvio), QColor(0, 255, 255));
        prog.p.Premi("Command1");
        prog.Passato(avvio);
        // The check box in the menu's colour, entry 3: no patch.
        QCOMPARE(Dipinto(prog.p.Figlio("Check1")), QColor(255, 192, 255));
        QCOMPARE(prog.casuale.usati, 2);
        QVERIFY(prog.p.Figlio("Check1")->property("checked").toBool());
        prog.p.Premi("Check1");
        QCOMPARE(prog.p.contesto.SuoniAttivati, qint16(0));
        prog.p.Premi("Command9");
        const QPointer<QWidget> esercizio = prog.p.Schermo();
        prog.p.Premi("Command7"); // "Esci" on the exercise, answered Yes
        prog.Passato(esercizio);
        QCOMPARE(prog.p.nav.Ridimensiona()->SourceForm(), prog.p.Schermo());
        QVERIFY(!prog.p.Figlio("Check1")->property("checked").toBool());

        // The credits; "Esci" answered No, then Yes: the settings written, the end.
        prog.p.messaggi.risposte = {false, true};
        prog.p.Premi("Command8");
        prog.p.Premi("Command1");
        QVERIFY(!prog.p.finita && prog.p.Schermo()->isVisible());
        QCOMPARE(LeggiFile(prog.casa.Ini()), QByteArray("<missing>"));
        prog.p.Premi("Command1");
        QVERIFY(prog.p.finita && !prog.p.nav.SchermoCaricato()->isVisible());
        QCOMPARE(LeggiFile(prog.casa.Ini()), QByteArray(" 1 \r\n 135 \r\n"));
    }

    // A button of each column and of the screens of one convention: its
    // caption, the screen it opens, the convention and hours bar it finds.
    void bottoniEsercizio_data() {
        QTest::addColumn<QStringList>("riga");
        for (const char* riga :
             {"Command2|Solo ore |frmRuota1 12 -1", "Command5|ore e mezz'ore (1)|frmRuota4 12 13",
              "Command11|cinque minuti|frmRuota9 12 -1",
              "Command19|Ore e mezz'ore - due lancette|frmRuota5a 24 -1",
              "Command15|cinque minuti|frmRuota9a 24 -1",
              "Command16|il quarto d'ora|frmRuota8 24 25"})
            QTest::newRow(riga) << QString::fromUtf8(riga).split('|');
    }
    void bottoniEsercizio() {
        QFETCH(QStringList, riga);
        Programma prog;
        prog.Menu();
        const QPointer<QWidget> menu = prog.p.Schermo();
        QCOMPARE(prog.Testo(qPrintable(riga[0])), riga[1]);
        prog.p.Premi(qPrintable(riga[0]));
        const auto* e = qobject_cast<SchermataEsercizio*>(prog.p.Schermo());
        const auto* ore = e->findChild<QScrollBar*>("vScroll1");
        QCOMPARE(QStringLiteral("%1 %2 %3")
                     .arg(e->objectName())
                     .arg(e->ModoOre())
                     .arg(ore ? ore->maximum() : -1),
                 riga[2]);
        prog.Passato(menu);
    }

    void impostaVoce() {
        // Three voices, the second stored, a speed below the bar's start.
        Programma prog;
        prog.motore.rifiutate = {3};
        QVERIFY(ScriviFile(prog.casa.Ini(), " 2 \r\n 7 \r\n"));
        prog.Menu();
        const QPointer<QWidget> menu = prog.p.Schermo();
        const int estratti = prog.casuale.usati;
        prog.motore.registro.clear();
        prog.p.Premi("Command13");
        const QPointer<QWidget> imposta = prog.p.Schermo();
        prog.Passato(menu);
        QCOMPARE(prog.casuale.usati, estratti); // no colour: the standard background
        auto* combo = prog.p.Figlio<QComboBox>("Combo1");
        QVERIFY(combo->itemText(2) == "Italiano (m3)" && combo->currentIndex() == 1);
        QCOMPARE(prog.Testo("Label1"), QStringLiteral("Velocità = 70"));
        // The invitation at the voice's preset speed, not the stored one.
        const QStringList invito = {"ferma", "velocita: 135",
                                    "parla: Premi sulla mia bocca per ascoltare come parlo."};
        QCOMPARE(prog.motore.registro, QStringList{"voce: 2"} + invito);
        // A refused voice is said so, and kept: it is what a save writes.
        combo->setCurrentIndex(2);
        QCOMPARE(prog.p.messaggi.Detti(),
                 "non posso selezionare questa voce | Ertavino @FormImposta");
        // The speed shows at once, reaching the engine with a click on the mouth.
        prog.motore.registro.clear();
        prog.p.Figlio<QScrollBar>("HScroll1")->setValue(90);
        QVERIFY(prog.Testo("Label1") == "Velocità = 90" && prog.motore.registro.isEmpty());
        prog.p.Premi("Bocca");
        QCOMPARE(prog.motore.registro,
                 QStringList({"velocita: 90",
                              "parla: Premi sul bottone conferma per accettare la mia voce."}));

        QVERIFY(ScriviFile(prog.casa.Ini(), " 7 \r\n 77 \r\n 77 \r\n"));
        prog.p.Premi("BottoneEsci"); // a whole new file, the old third line gone
        QCOMPARE(LeggiFile(prog.casa.Ini()), QByteArray(" 3 \r\n 90 \r\n"));
        prog.Passato(imposta);

        // The list read again on the next visit: the stored third voice is gone.
        prog.p.Premi("Command2");
        prog.p.Premi("Command7");
        prog.motore.nomi.removeLast();
        prog.motore.registro.clear();
        prog.p.Premi("Command13");
        QCOMPARE(prog.p.Figlio<QComboBox>("Combo1")->count(), 2);
        QCOMPARE(prog.motore.registro, QStringList{"voce: 1"} + invito);
    }

    void voceDelServizioInArrivo() {
        // The stored voice is one of those a slow service has not listed yet,
        // and there is no other: none is selected, the stored one kept.
        Programma prog;
        prog.motore.nomi.clear();
        prog.motore.inArrivo = true;
        QVERIFY(ScriviFile(prog.casa.Ini(), " 5 \r\n 135 \r\n"));
        prog.Menu();
        prog.p.Premi("Command13");
        auto* combo = prog.p.Figlio<QComboBox>("Combo1");
        QVERIFY(combo->currentIndex() == -1 && prog.p.contesto.NumeroVoce == 5);
        // The service answers: its voices fill the list in place and the
        // stored one is selected; voices that come later move no selection.
        prog.motore.registro.clear();
        for (const char* nome : {"a", "b", "c", "d", "e", "f"}) {
            prog.motore.letti = prog.motore.nomi << nome;
            prog.motore.inArrivo = prog.motore.nomi.size() < 5;
            emit prog.motore.VociCambiate();
        }
        QVERIFY(combo->count() == 6 && combo->itemText(5) == "f" && combo->currentIndex() == 4);
        QCOMPARE(prog.motore.registro, QStringList{"voce: 5"});
    }
};

QTEST_MAIN(TestSchermate)
#include "test_schermate.moc"
