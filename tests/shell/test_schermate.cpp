#include "CasaDiProva.h"
#include "ContestoDiProva.h"
#include "MessaggiDetti.h"
#include "MotoreVoceRegistrato.h"
#include "exercises/SchermataEsercizio.h"
#include "layout/PulsanteFigura.h"
#include "layout/Twip.h"
#include "shell/FormAvvio.h"
#include "shell/Navigazione.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

// The program's screens on recording fakes in a private home; the random
// draws given, then a long run of 0.3. It notes in order every screen the
// program shows ("+name") or hides ("-name"); an exercise screen shown adds
// the convention and its hours bar's maximum (-1: no bar) that it finds.
struct Programma : QObject {
    CasaDiProva casa;
    ContestoDiProva p;
    MotoreVoceRegistrato motore;
    Navigazione nav{p.contesto, motore};
    QStringList passaggi;

    explicit Programma(std::initializer_list<float> primi = {}) {
        p.casuale.Aggiungi(primi);
        for (int i = 0; i < 400; ++i)
            p.casuale.Aggiungi({0.3f});
        p.contesto.PercorsoIni = casa.Cartella() + "/Ertavino.INI";
        qApp->installEventFilter(this);
    }
    ~Programma() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* w = qobject_cast<QWidget*>(o);
        const bool mostra = e->type() == QEvent::Show;
        if (!w || !w->isWindow() || e->spontaneous() || (!mostra && e->type() != QEvent::Hide))
            return false;
        passaggi << (mostra ? "+" : "-") + w->objectName();
        if (auto* s = qobject_cast<SchermataEsercizio*>(w); s && mostra)
            passaggi.last() += QStringLiteral(" %1 %2")
                                   .arg(p.contesto.ModoOre)
                                   .arg(s->vScroll1() ? s->vScroll1()->maximum() : -1);
        return false;
    }
    QWidget* Schermo() const { return nav.SchermoCaricato(); }
    // From the start screen to the menu, the hand-over done, nothing noted.
    void Menu() {
        nav.MostraAvvio();
        Clic("Command1");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        passaggi.clear();
    }
    template <class T = QWidget> T* Figlio(const QString& nome) const {
        return Schermo()->findChild<T*>(nome);
    }
    QString Testo(const QString& nome) const { return Figlio(nome)->property("text").toString(); }
    void Clic(const QString& nome) const { QTest::mouseClick(Figlio(nome), Qt::LeftButton); }
    // The loaded screen fills the display; the one it replaced is gone once
    // the event loop has run.
    void Passato(const QPointer<QWidget>& vecchio = nullptr) const {
        QCOMPARE(Schermo()->frameGeometry(), qApp->primaryScreen()->availableGeometry());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
    // From the start screen to the menu, sounds off, into an exercise, back,
    // and out.
    void percorso() {
        // Colour entries 12 (FFFF00) for the start screen, 3 (FFC0FF) for the menu.
        Programma prog({GeneratoreScritto::Per(11, 18), GeneratoreScritto::Per(2, 18)});
        prog.nav.MostraAvvio();
        auto* avvio = qobject_cast<FormAvvio*>(prog.Schermo());
        prog.Passato();
        QCOMPARE(Dipinto(avvio), QColor(0, 255, 255));
        QCOMPARE(avvio->Label2(0)->text() + "|" + avvio->Label2(1)->text() + "|" +
                     avvio->Command1()->text(),
                 QStringLiteral("Ertavino|04  maggio 2003|Avvio"));
        // The name in Comic Sans MS (or its stand-in) bold 99.75 pt: the
        // controls follow the display, the fonts do not.
        const QFontInfo nome(avvio->Label2(0)->font());
        QVERIFY2(QStringList({"Comic Sans MS", "Comic Neue"}).contains(nome.family()) &&
                     nome.bold() && avvio->Label2(0)->font().pointSizeF() == 99.75,
                 qPrintable(nome.family()));
        QCOMPARE(avvio->Command1()->width(), qRound(Tw(3495) * double(avvio->width()) / Tw(9120)));

        QTest::mouseClick(avvio->Command1(), Qt::LeftButton);
        prog.Passato(avvio);
        // The check box is painted in the menu's colour, entry 3: no patch.
        QCOMPARE(Dipinto(prog.Figlio("Check1")), QColor(255, 192, 255));
        QCOMPARE(prog.p.casuale.Usati(), 2);
        QStringList testi;
        for (const char* nome : {"Label1", "Label2", "Check1", "Command13", "Command8", "Command1"})
            testi << prog.Testo(nome);
        QCOMPARE(testi, QStringList({"dodici ore", "ventiquattro ore", "Suoni attivati",
                                     "Imposta voce", "Informazioni", "Esci"}));

        QVERIFY(prog.Figlio("Check1")->property("checked").toBool());
        prog.Clic("Check1");
        QCOMPARE(prog.p.contesto.SuoniAttivati, qint16(0));
        prog.Clic("Command9");
        const QPointer<QWidget> esercizio = prog.Schermo();
        prog.Clic("Command7"); // "Esci" on the exercise, answered Yes
        prog.Passato(esercizio);
        QCOMPARE(prog.nav.Ridimensiona()->SourceForm(), prog.Schermo());
        QVERIFY(!prog.Figlio("Check1")->property("checked").toBool());

        // The credits; "Esci" answered No changes nothing; answered Yes it
        // writes the settings though unchanged and ends the run.
        QSignalSpy fine(&prog.nav, &Navigazione::Fine);
        prog.p.messaggi.risposte = {false, true};
        prog.Clic("Command8");
        prog.Clic("Command1");
        QVERIFY(fine.isEmpty() && prog.Schermo()->isVisible());
        QCOMPARE(LeggiFile(prog.p.contesto.PercorsoIni), QByteArray("<missing>"));
        prog.Clic("Command1");
        QVERIFY(fine.size() == 1 && !prog.Schermo()->isVisible());
        QCOMPARE(LeggiFile(prog.p.contesto.PercorsoIni), QByteArray(" 1 \r\n 135 \r\n"));
        // Every hand-over in its order, with no screen between.
        QCOMPARE(prog.passaggi,
                 QStringList({"+FormAvvio", "+FormMenu", "-FormAvvio", "+frmRuota7 12 -1",
                              "-FormMenu", "-frmRuota7", "+FormMenu", "-FormMenu"}));
        QCOMPARE(MessaggiDetti(prog.p.messaggi),
                 QString::fromUtf8("Vuoi tornare al menù? | Uso dell'ertavino ?\n"
                                   "Il gruppo Ertavino  \r\n ----------------------- \r\n"
                                   "http://www.example.org/ertavino\r\n"
                                   "mail: ertavino@example.org | Uso dell'ertavino (i)\n"
                                   "Vuoi uscire dal programma? | Uso dell'ertavino ?\n"
                                   "Vuoi uscire dal programma? | Uso dell'ertavino ?"));
    }

    // Every exercise button: its caption, then the screen it opens with the
    // convention and hours bar's maximum that screen finds when shown.
    void bottoniEsercizio_data() {
        QTest::addColumn<QStringList>("riga");
        for (const char* riga : {"Command2|Solo ore |+frmRuota1 12 -1",
                                 "Command3|Solo ore|+frmRuota2 12 13",
                                 "Command4|Ore e mezz'ore - una lancetta|+frmRuota3 12 -1",
                                 "Command5|ore e mezz'ore (1)|+frmRuota4 12 13",
                                 "Command6|Ore e mezz'ore - due lancette|+frmRuota5 12 -1",
                                 "Command7|ore e mezz'ore (2)|+frmRuota6 12 13",
                                 "Command9|Il quarto d'ora|+frmRuota7 12 -1",
                                 "Command10|il quarto d'ora|+frmRuota8 12 13",
                                 "Command11|cinque minuti|+frmRuota9 12 -1",
                                 "Command12|cinque minuti|+frmRuota10 12 13",
                                 "Command23|Solo ore |+frmRuota1 24 -1",
                                 "Command22|Solo ore|+frmRuota2 24 25",
                                 "Command21|Ore e mezz'ore - una lancetta|+frmRuota3 24 -1",
                                 "Command20|ore e mezz'ore (1)|+frmRuota4 24 25",
                                 "Command19|Ore e mezz'ore - due lancette|+frmRuota5a 24 -1",
                                 "Command18|ore e mezz'ore (2)|+frmRuota6 24 25",
                                 "Command17|Il quarto d'ora|+frmRuota7 24 -1",
                                 "Command16|il quarto d'ora|+frmRuota8 24 25",
                                 "Command15|cinque minuti|+frmRuota9a 24 -1",
                                 "Command14|cinque minuti|+frmRuota10 24 25"})
            QTest::newRow(riga) << QString::fromUtf8(riga).split('|');
    }
    void bottoniEsercizio() {
        QFETCH(QStringList, riga);
        Programma prog;
        prog.p.contesto.ModoOre = 0; // neither convention: a button that forgot would show
        prog.Menu();
        const QPointer<QWidget> menu = prog.Schermo();
        QCOMPARE(prog.Testo(riga[0]), riga[1]);
        prog.Clic(riga[0]);
        QCOMPARE(prog.passaggi, QStringList({riga[2], "-FormMenu"}));
        prog.Passato(menu);
    }

    void impostaVoce() {
        // Three voices, the second stored, a speed past the bar's end.
        Programma prog;
        prog.motore.rifiutate = {3};
        prog.p.contesto.NumeroVoce = 2;
        prog.p.contesto.VelocitaVoce = 999;
        prog.Menu();
        const QPointer<QWidget> menu = prog.Schermo();
        const int estratti = prog.p.casuale.Usati();
        prog.Clic("Command13");
        const QPointer<QWidget> imposta = prog.Schermo();
        prog.Passato(menu);
        QCOMPARE(prog.nav.Ridimensiona()->SourceForm(), imposta);
        QCOMPARE(prog.p.casuale.Usati(), estratti); // no colour: the standard background
        auto* combo = prog.Figlio<QComboBox>("Combo1");
        QCOMPARE(QStringList({combo->itemText(0), combo->itemText(1), combo->itemText(2)}),
                 prog.motore.nomi);
        QCOMPARE(combo->currentIndex(), 1);
        QCOMPARE(prog.Testo("Label1"), QStringLiteral("Velocità = 200"));
        // The invitation comes at the voice's preset speed, not the stored one.
        const QStringList invito = {"ferma", "velocita: 135",
                                    "parla: Premi sulla mia bocca per ascoltare come parlo."};
        QCOMPARE(prog.motore.registro, QStringList{"voce: 2"} + invito);
        // A refused voice is said so, and kept: it is what a save writes.
        combo->setCurrentIndex(2);
        QCOMPARE(MessaggiDetti(prog.p.messaggi),
                 QStringLiteral("non posso selezionare questa voce | Ertavino"));
        // The speed shows at once, reaching the engine only with a click on the mouth.
        prog.motore.registro.clear();
        prog.Figlio<QScrollBar>("HScroll1")->setValue(90);
        QCOMPARE(prog.Testo("Label1"), QStringLiteral("Velocità = 90"));
        QVERIFY(prog.motore.registro.isEmpty());
        prog.Clic("Bocca");
        QCOMPARE(prog.motore.registro,
                 QStringList({"velocita: 90",
                              "parla: Premi sul bottone conferma per accettare la mia voce."}));

        QVERIFY(ScriviFile(prog.p.contesto.PercorsoIni, " 7 \r\n 77 \r\n 77 \r\n"));
        prog.Clic("BottoneEsci"); // a whole new file, the old third line gone
        QCOMPARE(prog.passaggi,
                 QStringList({"+FormImposta", "-FormMenu", "-FormImposta", "+FormMenu"}));
        QCOMPARE(LeggiFile(prog.p.contesto.PercorsoIni), QByteArray(" 3 \r\n 90 \r\n"));
        prog.Passato(imposta);

        // After an exercise spoke at 90 the list is read again: the third voice
        // is gone, so the stored number falls back to the first; the
        // invitation is still at the preset speed.
        prog.Clic("Command2");
        prog.Clic("Command7");
        prog.Passato();
        prog.motore.nomi.removeLast();
        prog.motore.registro.clear();
        prog.Clic("Command13");
        QCOMPARE(prog.Figlio<QComboBox>("Combo1")->count(), 2);
        QCOMPARE(prog.motore.registro, QStringList{"voce: 1"} + invito);
    }
};

QTEST_MAIN(TestSchermate)
#include "test_schermate.moc"
