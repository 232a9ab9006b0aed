// The whole program on its real parts (start-up, settings file, single-copy
// lock, screen flow, espeak-ng engine, sound player) under one fault at a
// time. Each row ends with the program still usable and no settings lost:
// an exercise is played, the voice screen saves, "Esci" ends the run, and
// the next start finds what the last good save wrote.
#include "MessaggiRegistrati.h"
#include "clockface/Quadrante.h"
#include "exercises/Giudizio.h"
#include "exercises/SchermataEsercizio.h"
#include "feedback/SuonatoreQt.h"
#include "language/GeneratoreCasuale.h"
#include "shell/Contesto.h"
#include "shell/FormMenu.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"
#include "shell/Navigazione.h"
#include "speech/FormImposta.h"
#include "speech/MotoreEspeak.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum class Guasto {
    Nessuno,
    FileGuasto,          // the settings file holds rubbish
    CartellaEUnFile,     // a file stands where the settings folder goes
    CartellaSolaLettura, // the settings folder and file cannot be written
    DiscoPieno,          // saving cannot write a single byte more
};

const QByteArray Vecchio(" 2 \r\n 150 \r\n");

// One run of the program on its real parts; only the message boxes are
// answered by the test, through the program's own message layer.
struct Programma {
    Programma(const QString& datiVocali, const QString& suoni)
        : suonatore(suoni), motore(MotoreEspeak::Opzioni{datiVocali, {}}) {}

    GeneratoreCasuale casuale;
    MessaggiRegistrati messaggi;
    SuonatoreQt suonatore;
    Contesto contesto{casuale, messaggi, suonatore};
    MotoreEspeak motore;
    IstanzaUnica istanza;
    std::unique_ptr<Navigazione> nav;

    QWidget* Schermo() const { return nav->SchermoCaricato(); }
    void Premi(const char* nome) const {
        auto* w = Schermo()->findChild<QWidget*>(QLatin1String(nome));
        QVERIFY2(w, nome);
        QTest::mouseClick(w, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

// Files larger than `byte` cannot be written while this lives, as on a disk
// that has just filled up.
struct DiscoLimitato {
    explicit DiscoLimitato(rlim_t byte) {
        getrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending us
        const rlimit r{byte, prima_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &r);
    }
    ~DiscoLimitato() { setrlimit(RLIMIT_FSIZE, &prima_); }
    rlimit prima_{};
};

QByteArray Leggi(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(nessun file)");
}

} // namespace

Q_DECLARE_METATYPE(Guasto)

class TestGuastiProgramma : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> casa_;
    QString Cartella() const { return casa_->filePath("config/ImpostazioniProgrammiQuibo"); }
    QString Ini() const { return Cartella() + "/Ertavino.INI"; }

    void Prepara(Guasto guasto);
    void ComeUtente(const QString& prova);
    void GiocaEsercizio(Programma& p);

private slots:
    void init() {
        casa_ = std::make_unique<QTemporaryDir>();
        QDir().mkpath(casa_->filePath("config"));
        qputenv("XDG_CONFIG_HOME", casa_->filePath("config").toUtf8());
    }

    void programmaUsabile_data();
    void programmaUsabile();
    void programmaVeroParteSenzaVoceNeAudio();
};

void TestGuastiProgramma::Prepara(Guasto guasto) {
    const auto scrivi = [](const QString& percorso, const QByteArray& dati) {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(dati);
    };
    switch (guasto) {
    case Guasto::Nessuno:
        break;
    case Guasto::FileGuasto:
        QVERIFY(QDir().mkpath(Cartella()));
        scrivi(Ini(), "sette\r\n");
        break;
    case Guasto::CartellaEUnFile:
        scrivi(Cartella(), "non una cartella");
        break;
    case Guasto::CartellaSolaLettura:
        QVERIFY(QDir().mkpath(Cartella()));
        scrivi(Cartella() + "/leggimi.txt", Impostazioni::TestoLeggimi());
        scrivi(Ini(), Vecchio);
        QFile::setPermissions(Ini(), QFile::ReadOwner | QFile::ReadOther);
        QFile::setPermissions(Cartella(), QFile::ReadOwner | QFile::ExeOwner);
        break;
    case Guasto::DiscoPieno:
        QVERIFY(QDir().mkpath(Cartella()));
        scrivi(Ini(), Vecchio);
        break;
    }
}

// Runs one test of this program again, as the unprivileged user "nobody",
// with private folders of its own.
void TestGuastiProgramma::ComeUtente(const QString& prova) {
    constexpr uid_t Nessuno = 65534;
    QTemporaryDir casa;
    const QString runtime = casa.filePath("run");
    QVERIFY(QDir().mkpath(runtime));
    for (const QString& c : {casa.path(), runtime}) {
        QVERIFY(chown(QFile::encodeName(c).constData(), Nessuno, Nessuno) == 0);
        QFile::setPermissions(c, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("HOME", casa.path());
    ambiente.insert("TMPDIR", casa.path());
    ambiente.insert("XDG_RUNTIME_DIR", runtime);
    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setChildProcessModifier([] {
        if (setgid(Nessuno) != 0 || setuid(Nessuno) != 0)
            _exit(3);
    });
    // The build tree may lie where "nobody" cannot reach (under root's home):
    // run a copy of this program, with its sounds, from the private folder.
    const QString copia =
        casa.filePath(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), copia));
    const QDir suoni(QDir(QCoreApplication::applicationDirPath()).filePath("suoni"));
    QDir().mkpath(casa.filePath("suoni"));
    for (const QString& f : suoni.entryList(QDir::Files))
        QFile::copy(suoni.filePath(f), casa.filePath("suoni/" + f));
    for (const QString& f : QDir(casa.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot))
        QVERIFY(chown(QFile::encodeName(casa.filePath(f)).constData(), Nessuno, Nessuno) == 0);
    p.start(copia, {prova});
    QVERIFY(p.waitForFinished(120000));
    const QByteArray uscita = p.readAll();
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, uscita.constData());
    QVERIFY2(uscita.contains("PASS   : TestGuastiProgramma::" + prova.toUtf8().replace(':', '(')),
             uscita.constData());
}

// A quarter-hour question answered wrong, then right with both hands, the
// next question, "riascolta", and back to the menu.
void TestGuastiProgramma::GiocaEsercizio(Programma& p) {
    p.Premi("Command9");
    auto* esercizio = qobject_cast<SchermataEsercizio*>(p.Schermo());
    QVERIFY(esercizio && esercizio->isVisible());
    auto* quadrante = esercizio->findChild<Quadrante*>(QStringLiteral("Picture1"));
    const RigaEsercizio& riga = Riga(esercizio->Quale());
    const Domanda& d = esercizio->DomandaCorrente();
    const int rosso = BersaglioRosso(riga.giudicata, d);
    QTest::mouseClick(quadrante->Label1(rosso % 24 + 1), Qt::LeftButton);
    QTest::mouseClick(quadrante->Label1(rosso), Qt::LeftButton);
    QTest::mouseClick(quadrante->Label1(BersaglioBlu(riga, d)), Qt::LeftButton);
    QCOMPARE(esercizio->QuantiErrati(), qint16(1));
    QCOMPARE(esercizio->QuantiEsatti(), qint16(1));
    QCOMPARE(quadrante->Tratti().size(), 2);
    p.Premi("BottoneAvanti");
    QVERIFY(quadrante->Tratti().isEmpty());
    p.Premi("Command2");
    p.messaggi.risposte = {true};
    p.Premi("Command7");
    QVERIFY(qobject_cast<FormMenu*>(p.Schermo()));
}

void TestGuastiProgramma::programmaUsabile_data() {
    QTest::addColumn<bool>("datiVocali");
    QTest::addColumn<bool>("cartellaSuoni");
    QTest::addColumn<Guasto>("guasto");

    // The sound server is missing in every row: the tests run without one.
    QTest::newRow("senza server audio") << true << true << Guasto::Nessuno;
    QTest::newRow("senza dati vocali") << false << true << Guasto::Nessuno;
    QTest::newRow("senza cartella suoni") << true << false << Guasto::Nessuno;
    QTest::newRow("senza voce, audio e suoni") << false << false << Guasto::Nessuno;
    QTest::newRow("file di impostazioni guasto") << true << true << Guasto::FileGuasto;
    QTest::newRow("cartella che è un file") << true << true << Guasto::CartellaEUnFile;
    QTest::newRow("cartella in sola lettura") << true << true << Guasto::CartellaSolaLettura;
    QTest::newRow("disco pieno al salvataggio") << true << true << Guasto::DiscoPieno;
}

void TestGuastiProgramma::programmaUsabile() {
    QFETCH(bool, datiVocali);
    QFETCH(bool, cartellaSuoni);
    QFETCH(Guasto, guasto);
    if (guasto == Guasto::CartellaSolaLettura && geteuid() == 0) {
        // Root writes into a read-only folder: the row runs as a user.
        ComeUtente(
            QStringLiteral("%1:%2").arg(QTest::currentTestFunction(), QTest::currentDataTag()));
        return;
    }
    Prepara(guasto);
    const bool salvabile = guasto == Guasto::Nessuno || guasto == Guasto::FileGuasto;
    const QString nessunaCartella = casa_->filePath("manca");
    const QString dati = datiVocali ? QString() : nessunaCartella;
    const QString suoni = cartellaSuoni ? CartellaDati("suoni") : nessunaCartella;
    const QByteArray primaDelSalvataggio = Leggi(Ini());

    {
        Programma p(dati, suoni);
        QVERIFY(Avvio(p.contesto, p.istanza));
        // A bad file is reported once and replaced by the defaults.
        QCOMPARE(p.messaggi.registro.size(), guasto == Guasto::FileGuasto ? 1 : 0);
        const qint16 voce = p.contesto.NumeroVoce;
        QCOMPARE(
            voce,
            qint16(guasto == Guasto::CartellaSolaLettura || guasto == Guasto::DiscoPieno ? 2 : 1));
        p.nav = std::make_unique<Navigazione>(p.contesto, p.motore);
        QSignalSpy fine(p.nav.get(), &Navigazione::Fine);
        p.nav->MostraAvvio();
        p.Premi("Command1"); // "Avvio"
        GiocaEsercizio(p);

        // The voice screen lists what the engine has (nothing without its
        // data) and saves a new speed; the menu comes back either way.
        p.Premi("Command13");
        QVERIFY(qobject_cast<FormImposta*>(p.Schermo()));
        QCOMPARE(p.Schermo()->findChild<QComboBox*>("Combo1")->count() > 0, datiVocali);
        p.Schermo()->findChild<QScrollBar*>("HScroll1")->setValue(90);
        {
            std::unique_ptr<DiscoLimitato> pieno;
            if (guasto == Guasto::DiscoPieno)
                pieno = std::make_unique<DiscoLimitato>(4);
            p.Premi("BottoneEsci");
        }
        QVERIFY(qobject_cast<FormMenu*>(p.Schermo()));
        QCOMPARE(p.contesto.VelocitaVoce, qint16(90));
        QCOMPARE(Leggi(Ini()),
                 salvabile ? Impostazioni::ScriviValori(voce, 90) : primaDelSalvataggio);

        // Still usable after a save that failed: another exercise, then the end.
        GiocaEsercizio(p);
        p.messaggi.risposte = {true};
        {
            std::unique_ptr<DiscoLimitato> pieno;
            if (guasto == Guasto::DiscoPieno)
                pieno = std::make_unique<DiscoLimitato>(4);
            p.Premi("Command1"); // "Esci"
        }
        QCOMPARE(fine.size(), 1);
        QCOMPARE(Leggi(Ini()),
                 salvabile ? Impostazioni::ScriviValori(voce, 90) : primaDelSalvataggio);
    }

    // The next start: the last good save, or what was there before, without
    // a message.
    Programma dopo(dati, suoni);
    QVERIFY(Avvio(dopo.contesto, dopo.istanza));
    QVERIFY(dopo.messaggi.registro.isEmpty());
    const qint16 velocita = salvabile ? 90 : guasto == Guasto::CartellaEUnFile ? 135 : 150;
    QCOMPARE(dopo.contesto.VelocitaVoce, velocita);
    if (guasto == Guasto::CartellaSolaLettura)
        QFile::setPermissions(Cartella(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// The program itself, started on a desktop with neither a sound server nor
// the synthesizer's voice data (hidden by an empty folder mounted over it, in
// a mount namespace of the program's own): it comes up, says the speech is
// off, and stays up.
void TestGuastiProgramma::programmaVeroParteSenzaVoceNeAudio() {
    const QString programma = qEnvironmentVariable("ERTAVINO_PROGRAMMA");
    if (programma.isEmpty())
        QSKIP("ERTAVINO_PROGRAMMA does not name the program");
    if (QProcess::execute("unshare", {"--mount", "--", "true"}) != 0)
        QSKIP("no mount namespace here to hide the voice data in");
    espeak_ng_InitializePath(nullptr);
    const char* datiVocali = nullptr;
    espeak_Info(&datiVocali);
    QVERIFY(datiVocali && QDir(QString::fromLocal8Bit(datiVocali)).exists());

    QTemporaryDir cartelle;
    const QString runtime = cartelle.filePath("run"), vuota = cartelle.filePath("vuota");
    QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(vuota));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("PULSE_SERVER", cartelle.filePath("nessun-server"));
    ambiente.insert("XDG_RUNTIME_DIR", runtime);
    ambiente.insert("XDG_CONFIG_HOME", cartelle.filePath("config"));
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");

    QProcess p;
    p.setProcessEnvironment(ambiente);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start("unshare", {"--mount", "--", "sh", "-c", "mount --bind \"$1\" \"$2\" && exec \"$3\"",
                        "sh", vuota, QString::fromLocal8Bit(datiVocali), programma});
    QVERIFY(p.waitForStarted());
    // Up long enough for the engine to have tried its start and given up.
    const bool finito = p.waitForFinished(3000);
    const QByteArray uscita = p.readAll();
    QVERIFY2(!finito, uscita.constData());
    QVERIFY2(uscita.contains("speech is off"), uscita.constData());
    QVERIFY(QFile::exists(cartelle.filePath("config/ImpostazioniProgrammiQuibo/leggimi.txt")));
    p.kill();
    p.waitForFinished();
}

QTEST_MAIN(TestGuastiProgramma)
#include "test_guasti_programma.moc"
