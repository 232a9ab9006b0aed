#include "ContestoDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "exercises/SchermataEsercizio.h"
#include "feedback/Colori.h"
#include "layout/PulsanteFigura.h"
#include "layout/Twip.h"
#include "shell/FormAvvio.h"
#include "shell/FormMenu.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"
#include "shell/Navigazione.h"
#include "speech/FormImposta.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The program's screens on recording fakes. The random draws are scripted;
// the exercise screens draw their questions from a long run of 0.3 after
// whatever a test scripts first.
struct Programma {
    ContestoDiProva p;
    MotoreVoceRegistrato motore;
    Navigazione nav{p.contesto, motore};

    explicit Programma(const QString& percorsoIni = {}) { p.contesto.PercorsoIni = percorsoIni; }
    void Riempitivo() {
        for (int i = 0; i < 400; ++i)
            p.casuale.Aggiungi({0.3f});
    }
    template <class T> T* Caricato() const { return qobject_cast<T*>(nav.SchermoCaricato()); }
    template <class T> T* Figlio(const char* nome) const {
        return nav.SchermoCaricato()->findChild<T*>(QLatin1String(nome));
    }
    void Clic(const char* bottone) const {
        auto* b = Figlio<QAbstractButton>(bottone);
        QVERIFY2(b, bottone);
        QTest::mouseClick(b, Qt::LeftButton);
    }
};

// Screens unloaded from their own handlers go when the event loop runs.
void Scaricamenti() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QColor ColoreTabella(int voce) {
    const auto c = ComponentiDaBGR(TabellaColori[std::size_t(voce)]);
    return QColor(c.rosso, c.verde, c.blu);
}

// The colour a control shows at the middle of its right edge, away from text.
QColor Dipinto(QWidget& controllo) {
    return controllo.grab().toImage().pixelColor(controllo.width() - 2, controllo.height() / 2);
}

QRect AreaDisplay() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

// What an exercise screen finds when it is activated: the convention and its
// hours bar's maximum (-1 on click screens).
struct Attivazione : QObject {
    Contesto& contesto;
    QString schermata;
    qint16 modoOre = 0;
    int massimo = -2;
    explicit Attivazione(Contesto& c) : contesto(c) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* s = qobject_cast<SchermataEsercizio*>(o);
        if (s && e->type() == QEvent::Show) {
            schermata = s->objectName();
            modoOre = contesto.ModoOre;
            massimo = s->vScroll1() ? s->vScroll1()->maximum() : -1;
        }
        return false;
    }
};

} // namespace

class TestSchermate : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> casa_;
    QString Ini() const {
        return casa_->filePath("config/ImpostazioniProgrammiQuibo/Ertavino.INI");
    }

private slots:
    void init() {
        casa_ = std::make_unique<QTemporaryDir>();
        QDir().mkpath(casa_->filePath("run"));
        qputenv("XDG_CONFIG_HOME", casa_->filePath("config").toUtf8());
    }

    void avvioPoiMenu() {
        Programma prog;
        prog.p.casuale.AggiungiEstrazione(11, 18); // start screen: colour 12
        prog.p.casuale.AggiungiEstrazione(2, 18);  // menu: colour 3
        prog.nav.MostraAvvio();
        auto* avvio = prog.Caricato<FormAvvio>();
        QVERIFY(avvio && avvio->isVisible());
        QCOMPARE(avvio->frameGeometry(), AreaDisplay());
        QCOMPARE(Dipinto(*avvio), ColoreTabella(12));
        QCOMPARE(avvio->Label2(0)->text(), QStringLiteral("Ertavino"));
        QCOMPARE(avvio->Label2(1)->text(), QStringLiteral("04  maggio 2003"));
        // The name's typeface really resolves, to Comic Sans MS or its stand-in.
        const QFontInfo carattere(avvio->Label2(0)->font());
        QVERIFY2(carattere.family() == "Comic Sans MS" || carattere.family() == "Comic Neue",
                 qPrintable(carattere.family()));
        QVERIFY(carattere.bold());
        QCOMPARE(avvio->Label2(0)->font().pointSizeF(), 99.75);
        // The controls follow the display, the fonts do not.
        QVERIFY(avvio->Command1()->width() > Tw(3495) * AreaDisplay().width() / Tw(9120) - 2);

        const QPointer<FormAvvio> vecchio(avvio);
        QTest::mouseClick(avvio->Command1(), Qt::LeftButton);
        auto* menu = prog.Caricato<FormMenu>();
        QVERIFY(menu && menu->isVisible());
        QVERIFY(!vecchio->isVisible());
        Scaricamenti();
        QVERIFY(!vecchio);
        QCOMPARE(menu->frameGeometry(), AreaDisplay());
        // The check box shows no patch: its own edge is drawn in the menu's colour.
        QCOMPARE(Dipinto(*menu), ColoreTabella(3));
        QCOMPARE(Dipinto(*menu->Check1()), ColoreTabella(3));
        QCOMPARE(prog.nav.Ridimensiona->SourceForm(), menu);
        QCOMPARE(prog.p.casuale.Rimasti(), 0);
    }

    // Every exercise button: the screen it opens and what that screen finds
    // when it is activated.
    void bottoniEsercizio_data() {
        QTest::addColumn<QString>("bottone");
        QTest::addColumn<QString>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("massimo"); // -1: click screen, no hours bar

        QTest::newRow("12 ore, solo ore, clic") << "Command2"
                                                << "frmRuota1" << 12 << -1;
        QTest::newRow("12 ore, solo ore, frecce") << "Command3"
                                                  << "frmRuota2" << 12 << 13;
        QTest::newRow("12 ore, una lancetta") << "Command4"
                                              << "frmRuota3" << 12 << -1;
        QTest::newRow("12 ore, mezz'ore (1) frecce") << "Command5"
                                                     << "frmRuota4" << 12 << 13;
        QTest::newRow("12 ore, due lancette") << "Command6"
                                              << "frmRuota5" << 12 << -1;
        QTest::newRow("12 ore, mezz'ore (2) frecce") << "Command7"
                                                     << "frmRuota6" << 12 << 13;
        QTest::newRow("12 ore, quarto clic") << "Command9"
                                             << "frmRuota7" << 12 << -1;
        QTest::newRow("12 ore, quarto frecce") << "Command10"
                                               << "frmRuota8" << 12 << 13;
        QTest::newRow("12 ore, cinque minuti clic") << "Command11"
                                                    << "frmRuota9" << 12 << -1;
        QTest::newRow("12 ore, cinque minuti frecce") << "Command12"
                                                      << "frmRuota10" << 12 << 13;
        QTest::newRow("24 ore, solo ore, clic") << "Command23"
                                                << "frmRuota1" << 24 << -1;
        QTest::newRow("24 ore, solo ore, frecce") << "Command22"
                                                  << "frmRuota2" << 24 << 25;
        QTest::newRow("24 ore, una lancetta") << "Command21"
                                              << "frmRuota3" << 24 << -1;
        QTest::newRow("24 ore, mezz'ore (1) frecce") << "Command20"
                                                     << "frmRuota4" << 24 << 25;
        QTest::newRow("24 ore, due lancette: 5a") << "Command19"
                                                  << "frmRuota5a" << 24 << -1;
        QTest::newRow("24 ore, mezz'ore (2) frecce") << "Command18"
                                                     << "frmRuota6" << 24 << 25;
        QTest::newRow("24 ore, quarto clic") << "Command17"
                                             << "frmRuota7" << 24 << -1;
        QTest::newRow("24 ore, quarto frecce") << "Command16"
                                               << "frmRuota8" << 24 << 25;
        QTest::newRow("24 ore, cinque minuti clic: 9a") << "Command15"
                                                        << "frmRuota9a" << 24 << -1;
        QTest::newRow("24 ore, cinque minuti frecce") << "Command14"
                                                      << "frmRuota10" << 24 << 25;
    }
    void bottoniEsercizio() {
        QFETCH(QString, bottone);
        QFETCH(QString, schermata);
        QFETCH(int, modoOre);
        QFETCH(int, massimo);
        Programma prog;
        prog.Riempitivo();
        // The opposite convention beforehand, so that a button that forgot to
        // set it would show.
        prog.p.contesto.ModoOre = qint16(modoOre == 12 ? 24 : 12);
        prog.nav.ApriMenuDaAvvio();
        const QPointer<QWidget> menu = prog.nav.SchermoCaricato();
        Attivazione vista(prog.p.contesto);
        prog.Clic(bottone.toLatin1().constData());

        QCOMPARE(vista.schermata, schermata);
        QCOMPARE(int(vista.modoOre), modoOre);
        QCOMPARE(vista.massimo, massimo);
        auto* esercizio = prog.Caricato<SchermataEsercizio>();
        QVERIFY(esercizio && esercizio->isVisible());
        QVERIFY(!menu->isVisible());
        Scaricamenti();
        QVERIFY(!menu);
    }

    void suoniDopoUnEsercizioENuovoAvvio() {
        Programma prog;
        prog.Riempitivo();
        prog.nav.ApriMenuDaAvvio();
        QTest::mouseClick(prog.Caricato<FormMenu>()->Check1(), Qt::LeftButton);
        QCOMPARE(prog.p.contesto.SuoniAttivati, qint16(0));

        prog.Clic("Command9");
        const QPointer<SchermataEsercizio> esercizio = prog.Caricato<SchermataEsercizio>();
        QVERIFY(esercizio);
        prog.p.messaggi.risposte = {true};
        prog.Clic("Command7"); // "Esci" on the exercise, answered Yes
        auto* menu = prog.Caricato<FormMenu>();
        QVERIFY(menu && menu->isVisible());
        Scaricamenti();
        QVERIFY(!esercizio);
        QVERIFY(!menu->Check1()->isChecked());
        QCOMPARE(prog.p.contesto.SuoniAttivati, qint16(0));
        // The menu that came back is a new one, with its own scaler.
        QCOMPARE(prog.nav.Ridimensiona->SourceForm(), menu);
        QCOMPARE(menu->frameGeometry(), AreaDisplay());

        // A new start switches sounds on again.
        IstanzaUnica istanza(casa_->filePath("run/ertavino.lock"));
        QVERIFY(Avvio(prog.p.contesto, istanza));
        Programma dopo;
        dopo.p.contesto.SuoniAttivati = prog.p.contesto.SuoniAttivati;
        dopo.Riempitivo();
        dopo.nav.ApriMenuDaAvvio();
        QVERIFY(dopo.Caricato<FormMenu>()->Check1()->isChecked());
    }

    // "Esci" on the menu: No changes nothing; Yes writes the settings, even
    // unchanged, and ends the run.
    void esci_data() {
        QTest::addColumn<bool>("risposta");
        QTest::newRow("No: niente cambia") << false;
        QTest::newRow("Sì: salva anche senza cambi") << true;
    }
    void esci() {
        QFETCH(bool, risposta);
        Programma prog(Ini());
        prog.Riempitivo();
        prog.nav.ApriMenuDaAvvio();
        auto* menu = prog.Caricato<FormMenu>();
        const QColor colore = menu->palette().color(QPalette::Window);
        QSignalSpy fine(&prog.nav, &Navigazione::Fine);
        prog.p.messaggi.risposte = {risposta};
        prog.Clic("Command1");

        QCOMPARE(prog.p.messaggi.registro.size(), 1);
        QCOMPARE(prog.p.messaggi.registro[0].testo, QStringLiteral("Vuoi uscire dal programma?"));
        QCOMPARE(prog.p.messaggi.registro[0].titolo, QStringLiteral("Uso dell'ertavino"));
        QVERIFY(prog.p.messaggi.registro[0].domanda);
        QCOMPARE(fine.size(), int(risposta));
        QCOMPARE(menu->isVisible(), !risposta);
        QCOMPARE(bool(prog.nav.Ridimensiona), !risposta);
        QCOMPARE(menu->palette().color(QPalette::Window), colore);
        QCOMPARE(prog.p.contesto.SuoniAttivati, qint16(-1));
        QFile ini(Ini());
        QCOMPARE(ini.open(QIODevice::ReadOnly), risposta);
        if (risposta)
            QCOMPARE(ini.readAll(), QByteArray(" 1 \r\n 135 \r\n"));
    }

    void informazioni() {
        Programma prog;
        prog.Riempitivo();
        prog.nav.ApriMenuDaAvvio();
        auto* menu = prog.Caricato<FormMenu>();
        const QColor colore = menu->palette().color(QPalette::Window);
        prog.Clic("Command8");

        QCOMPARE(prog.p.messaggi.registro.size(), 1);
        const auto& avviso = prog.p.messaggi.registro[0];
        QCOMPARE(avviso.testo,
                 QStringLiteral("Il gruppo Ertavino  \r\n ----------------------- \r\n"
                                "http://www.example.org/ertavino\r\n"
                                "mail: ertavino@example.org"));
        QCOMPARE(avviso.titolo, QStringLiteral("Uso dell'ertavino"));
        QCOMPARE(avviso.icona, Messaggi::Icona::Informazione);
        QVERIFY(!avviso.domanda);
        QCOMPARE(prog.Caricato<FormMenu>(), menu);
        QCOMPARE(menu->palette().color(QPalette::Window), colore);
    }

    void impostaVocePoiConferma() {
        Programma prog(Ini());
        prog.Riempitivo();
        prog.nav.ApriMenuDaAvvio();
        const QPointer<QWidget> menu = prog.nav.SchermoCaricato();
        const qint16 modoOre = prog.p.contesto.ModoOre;
        prog.Clic("Command13");
        auto* imposta = prog.Caricato<FormImposta>();
        QVERIFY(imposta && imposta->isVisible());
        QCOMPARE(prog.nav.Ridimensiona->SourceForm(), imposta);
        QCOMPARE(imposta->frameGeometry(), AreaDisplay());
        Scaricamenti();
        QVERIFY(!menu);
        QCOMPARE(prog.p.contesto.ModoOre, modoOre);

        prog.Figlio<QScrollBar>("HScroll1")->setValue(90);
        const QPointer<FormImposta> vecchio(imposta);
        prog.Clic("BottoneEsci");
        QFile ini(Ini());
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), QByteArray(" 1 \r\n 90 \r\n"));
        QVERIFY(prog.Caricato<FormMenu>());
        QVERIFY(!vecchio->isVisible());
        Scaricamenti();
        QVERIFY(!vecchio);
    }
};

QTEST_MAIN(TestSchermate)
#include "test_schermate.moc"
