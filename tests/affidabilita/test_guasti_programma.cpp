// Faults, one at a time. The program on its real parts (start-up, settings,
// lock, screen flow, espeak-ng, sound player), with no sound server, ends each
// row usable with nothing lost: the voice screen saves, an exercise is played,
// "Esci" saves, the next start finds the last good save or what was there.
// Faults only processes show run copies of this test, on the real settings
// writer and lock:
//   --salva <ini>           saves two settings alternately until killed
//   --istanza <lock> <via>  once the file <via> exists, takes the lock and prints
//                           "preso", holding it until its input closes, or "rifiutato"
#include "CasaDiProva.h"
#include "ContestoDiProva.h"
#include "ProgrammaDiProva.h"
#include "RispostaDiProva.h"
#include "feedback/SuonatoreQt.h"
#include "speech/MotoreEspeak.h"

#include <QApplication>
#include <QComboBox>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTest>
#include <QThread>
#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum class Guasto { Nessuno, FileGuasto, CartellaEUnFile, SolaLettura, GuastoBloccato, DiscoPieno };

// A copy of this test started in the program's place, and its answer.
QProcess* Copia(QObject* copie, const QStringList& argomenti) {
    auto* p = new QProcess(copie);
    p->start(QCoreApplication::applicationFilePath(), argomenti);
    return p;
}
QByteArray Risposta(QProcess* p) {
    return p->canReadLine() || p->waitForReadyRead(5000) ? p->readLine().trimmed() : "";
}

} // namespace

class TestGuastiProgramma : public QObject {
    Q_OBJECT
    std::unique_ptr<CasaDiProva> casa_;
    QObject copie_; // the copies still running, ended after each test

private slots:
    void init() { casa_ = std::make_unique<CasaDiProva>(); }
    void cleanup() { qDeleteAll(copie_.children()); }
    void programmaUsabile_data();
    void programmaUsabile();
    void uccisoMentreSalva();
    void unaCopiaAllaVolta();
};

void TestGuastiProgramma::programmaUsabile_data() {
    QTest::addColumn<bool>("datiVocali");
    QTest::addColumn<bool>("cartellaSuoni");
    QTest::addColumn<Guasto>("guasto");
    QTest::newRow("senza server audio") << true << true << Guasto::Nessuno;
    QTest::newRow("senza dati vocali") << false << true << Guasto::Nessuno;
    QTest::newRow("senza cartella suoni") << true << false << Guasto::Nessuno;
    QTest::newRow("file di impostazioni guasto") << true << true << Guasto::FileGuasto;
    QTest::newRow("cartella che è un file") << true << true << Guasto::CartellaEUnFile;
    QTest::newRow("cartella in sola lettura") << true << true << Guasto::SolaLettura;
    QTest::newRow("file guasto che non si cancella") << true << true << Guasto::GuastoBloccato;
    QTest::newRow("disco pieno al salvataggio") << true << true << Guasto::DiscoPieno;
}

void TestGuastiProgramma::programmaUsabile() {
    QFETCH(bool, datiVocali);
    QFETCH(bool, cartellaSuoni);
    QFETCH(Guasto, guasto);
    const QString cartella = casa_->Cartella(), ini = cartella + "/Ertavino.INI";
    const bool bloccata = guasto == Guasto::SolaLettura || guasto == Guasto::GuastoBloccato;
    const bool guasta = guasto == Guasto::FileGuasto || guasto == Guasto::GuastoBloccato;
    const bool buona = guasto == Guasto::SolaLettura || guasto == Guasto::DiscoPieno;
    const bool salvabile = guasto == Guasto::Nessuno || guasto == Guasto::FileGuasto;
    // Permissions do not bind root: read-only rows run as "nobody", in a home
    // it owns. A full disk fails writes past 4 bytes without ending the test.
    rlimit disco{};
    getrlimit(RLIMIT_FSIZE, &disco);
    std::signal(SIGXFSZ, SIG_IGN);
    const bool nessuno = bloccata && geteuid() == 0;
    if (nessuno) {
        for (const QString& c : {casa_->dir.path(), casa_->dir.filePath("run")})
            QVERIFY(chown(QFile::encodeName(c).constData(), 65534, 65534) == 0);
        QVERIFY(setegid(65534) == 0 && seteuid(65534) == 0);
    }
    const auto ripristina = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &disco);
        QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (nessuno && (seteuid(0) != 0 || setegid(0) != 0))
            qFatal("cannot take back root's rights");
    });
    if (guasto == Guasto::CartellaEUnFile)
        QVERIFY(ScriviFile(cartella, "non una cartella"));
    if (bloccata)
        QVERIFY(ScriviFile(cartella + "/leggimi.txt", Impostazioni::TestoLeggimi()));
    if (guasta || buona)
        QVERIFY(ScriviFile(ini, guasta ? "sette\r\n" : " 2 \r\n 150 \r\n"));
    if (bloccata)
        QVERIFY(QFile::setPermissions(ini, QFile::ReadOwner) &&
                QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner));
    const QString manca = casa_->dir.filePath("manca");
    const QByteArray letti = buona ? " 2 \r\n 150 \r\n" : " 1 \r\n 135 \r\n";
    QByteArray salvati = LeggiFile(ini);
    GeneratoreCasuale casuale;
    SuonatoreQt suonatore(cartellaSuoni ? CartellaDati("suoni") : manca);
    MotoreEspeak motore(MotoreEspeak::Opzioni{datiVocali ? QString() : manca, {}});
    {
        // A bad file is reported once and the defaults are used.
        ProgrammaDiProva p(casuale, suonatore, motore, casa_->Lock());
        QVERIFY(p.Avvia());
        QCOMPARE(p.messaggi.registro.size(), int(guasta));
        QCOMPARE(p.Valori(), letti);
        // The disk fills once the program runs (its lock is on a file system apart).
        const rlimit pieno{4, disco.rlim_max};
        if (guasto == Guasto::DiscoPieno)
            QVERIFY(setrlimit(RLIMIT_FSIZE, &pieno) == 0);
        p.Premi("Command1"); // "Avvio"
        // The voice screen lists what the engine has (nothing without its
        // data) and saves a new speed; the menu comes back either way.
        p.Premi("Command13");
        QCOMPARE(p.Schermo()->findChild<QComboBox*>("Combo1")->count() > 0, datiVocali);
        p.Schermo()->findChild<QScrollBar*>("HScroll1")->setValue(90);
        // A save that fails is said, once per save, and the run goes on.
        const auto nonSalvate = [&p] {
            return std::count_if(p.messaggi.registro.cbegin(), p.messaggi.registro.cend(),
                                 [](const auto& m) {
                                     return m.testo == Impostazioni::MessaggioSalvataggio &&
                                            m.titolo == "Ertavino" &&
                                            m.icona == Messaggi::Icona::Esclamazione;
                                 });
        };
        p.Premi("BottoneEsci");
        QCOMPARE(nonSalvate(), int(!salvabile));
        if (salvabile)
            salvati = p.Valori();
        QCOMPARE(LeggiFile(ini), salvati);
        // Still usable after a failed save: a quarter-hour question answered
        // wrong, then right with both hands; then the end.
        p.Premi("Command9");
        auto* esercizio = qobject_cast<SchermataEsercizio*>(p.Schermo());
        Rispondi(*esercizio, 12, false);
        RispostaCompleta(*esercizio, 12);
        QVERIFY(esercizio->QuantiErrati() == 1 && esercizio->QuantiEsatti() == 1);
        p.Premi("Command7"); // "Esci", Yes: back to the menu
        p.Premi("Command1"); // "Esci", Yes
        QVERIFY(p.finita);
        QCOMPARE(nonSalvate(), 2 * int(!salvabile));
        setrlimit(RLIMIT_FSIZE, &disco);
        QCOMPARE(LeggiFile(ini), salvati);
        // A failed save leaves no half-written file behind.
        for (const QString& f : QDir(cartella).entryList(QDir::Files))
            QVERIFY2(f == "Ertavino.INI" || f == "leggimi.txt", qPrintable(f));
    }
    // The next start: the last good save, or what was found before.
    ProgrammaDiProva dopo(casuale, suonatore, motore, casa_->Lock());
    QVERIFY(dopo.Avvia());
    QCOMPARE(dopo.messaggi.registro.size(), int(guasta && !salvabile));
    QCOMPARE(dopo.Valori(), salvabile ? salvati : letti);
}

// Killed at a random moment while saving over and over: the file is always
// one of the two complete versions, never a mixture or empty.
void TestGuastiProgramma::uccisoMentreSalva() {
    const QString ini = casa_->dir.filePath("Ertavino.INI");
    for (int giro = 0; giro < 15; ++giro) {
        QProcess* p = Copia(&copie_, {"--salva", ini});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ini), 5000);
        QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 40)));
        p->kill();
        QVERIFY(p->waitForFinished());
        const QByteArray dentro = LeggiFile(ini);
        QVERIFY2(dentro == " 1 \r\n 100 \r\n" || dentro == " 2 \r\n 200 \r\n", dentro.toHex());
    }
}

// Copies started at the same instant: exactly one runs. Once it is killed,
// leaving its lock file behind, the next copy runs.
void TestGuastiProgramma::unaCopiaAllaVolta() {
    for (int giro = 0; giro < 5; ++giro) {
        const QString lock = casa_->dir.filePath(QStringLiteral("%1.lock").arg(giro));
        const QString via = casa_->dir.filePath(QString::number(giro));
        QList<QProcess*> copie;
        for (int i = 0; i < 4; ++i)
            copie << Copia(&copie_, {"--istanza", lock, via});
        QVERIFY(ScriviFile(via, {}));
        QByteArrayList risposte;
        for (QProcess* c : copie)
            risposte << Risposta(c);
        QCOMPARE(risposte.count("preso"), 1);
        QCOMPARE(risposte.count("rifiutato"), 3);
        copie[risposte.indexOf("preso")]->kill(); // the others end by themselves
        for (QProcess* c : copie)
            QVERIFY(c->waitForFinished());
        QVERIFY(QFile::exists(lock));
        QProcess* dopo = Copia(&copie_, {"--istanza", lock, via});
        QCOMPARE(Risposta(dopo), QByteArray("preso"));
        dopo->closeWriteChannel();
        QVERIFY(dopo->waitForFinished());
    }
}

int main(int argc, char** argv) {
    const QByteArray modo = argc > 2 ? argv[1] : "";
    if (modo != "--salva" && modo != "--istanza") {
        QApplication app(argc, argv);
        TestGuastiProgramma prova;
        return QTest::qExec(&prova, argc, argv);
    }
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    ContestoDiProva p;
    p.contesto.PercorsoIni = a[2];
    for (qint16 voce = 1; modo == "--salva"; voce = qint16(3 - voce)) {
        p.contesto.NumeroVoce = voce;
        p.contesto.VelocitaVoce = qint16(100 * voce);
        Impostazioni::SalvaImpostazioni(p.contesto);
    }
    while (!QFile::exists(a.value(3)))
        QThread::usleep(200);
    IstanzaUnica istanza(a[2]);
    const bool preso = istanza.Acquisisci();
    std::puts(preso ? "preso" : "rifiutato");
    std::fflush(stdout);
    while (preso && std::getchar() != EOF) {
    }
    return 0;
}

#include "test_guasti_programma.moc"
