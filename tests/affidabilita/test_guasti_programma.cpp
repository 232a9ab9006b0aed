// The whole program on its real parts (start-up, settings file, single-copy
// lock, screen flow, espeak-ng engine, sound player) under one fault at a
// time, without a sound server. Each row ends with the program usable and
// nothing lost: the voice screen saves, an exercise is played, "Esci" saves,
// and the next start finds the last good save, or what was there before.
#include "CasaDiProva.h"
#include "ProgrammaDiProva.h"
#include "RispostaDiProva.h"
#include "feedback/SuonatoreQt.h"
#include "speech/MotoreEspeak.h"

#include <QComboBox>
#include <QScopeGuard>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum class Guasto { Nessuno, FileGuasto, CartellaEUnFile, SolaLettura, GuastoBloccato, DiscoPieno };

// One run on the real sound player and speech engine.
struct Programma {
    Programma(const QString& dati, const QString& suoni, const QString& lock)
        : suonatore(suoni), motore(MotoreEspeak::Opzioni{dati, {}}),
          p(casuale, suonatore, motore, lock) {}
    GeneratoreCasuale casuale;
    SuonatoreQt suonatore;
    MotoreEspeak motore;
    ProgrammaDiProva p;
};

} // namespace

Q_DECLARE_METATYPE(Guasto)

class TestGuastiProgramma : public QObject {
    Q_OBJECT

    std::unique_ptr<CasaDiProva> casa_;

private slots:
    void init() { casa_ = std::make_unique<CasaDiProva>(); }
    void programmaUsabile_data();
    void programmaUsabile();
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
    // Permissions do not bind root: a read-only row runs as the unprivileged
    // user "nobody", in a home it owns. A full disk takes no file past 4
    // bytes, and a write past them fails instead of ending the test.
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
    const QString dati = datiVocali ? QString() : manca;
    const QString suoni = cartellaSuoni ? CartellaDati("suoni") : manca;
    const QByteArray letti = buona ? " 2 \r\n 150 \r\n" : " 1 \r\n 135 \r\n";
    QByteArray salvati = LeggiFile(ini);
    {
        // A bad file is reported once and the defaults are used.
        Programma programma(dati, suoni, casa_->Lock());
        ProgrammaDiProva& p = programma.p;
        QVERIFY(p.Avvia());
        QCOMPARE(p.messaggi.registro.size(), int(guasta));
        QCOMPARE(p.Valori(), letti);
        // The disk fills once the program runs (its lock lives in the runtime
        // folder, a file system of its own).
        const rlimit pieno{4, disco.rlim_max};
        if (guasto == Guasto::DiscoPieno)
            QVERIFY(setrlimit(RLIMIT_FSIZE, &pieno) == 0);
        p.Premi("Command1"); // "Avvio"

        // The voice screen lists what the engine has (nothing without its
        // data) and saves a new speed; the menu comes back either way.
        p.Premi("Command13");
        QCOMPARE(p.Schermo()->findChild<QComboBox*>("Combo1")->count() > 0, datiVocali);
        p.Schermo()->findChild<QScrollBar*>("HScroll1")->setValue(90);
        p.Premi("BottoneEsci");
        QCOMPARE(p.contesto.VelocitaVoce, qint16(90));
        if (salvabile)
            salvati = p.Valori();
        QCOMPARE(LeggiFile(ini), salvati);

        // Still usable after a failed save: a quarter-hour question answered
        // with both hands, then the end.
        p.Premi("Command9");
        auto* esercizio = qobject_cast<SchermataEsercizio*>(p.Schermo());
        QVERIFY(esercizio);
        Rispondi(*esercizio, 12, false);
        while (!esercizio->findChild<QWidget*>("BottoneAvanti")->isEnabled())
            Rispondi(*esercizio, 12, true);
        QCOMPARE(esercizio->QuantiErrati() + esercizio->QuantiEsatti(), 2);
        p.Premi("Command7"); // "Esci", Yes: back to the menu
        p.Premi("Command1"); // "Esci", Yes
        QVERIFY(p.finita);
        setrlimit(RLIMIT_FSIZE, &disco);
        QCOMPARE(LeggiFile(ini), salvati);
        // A failed save leaves no half-written file behind.
        for (const QString& f : QDir(cartella).entryList(QDir::Files))
            QVERIFY2(f == "Ertavino.INI" || f == "leggimi.txt", qPrintable(f));
    }
    // The next start: the last good save, or what was found before.
    Programma dopo(dati, suoni, casa_->Lock());
    QVERIFY(dopo.p.Avvia());
    QCOMPARE(dopo.p.messaggi.registro.size(), int(guasta && !salvabile));
    QCOMPARE(dopo.p.Valori(), salvabile ? salvati : letti);
}

QTEST_MAIN(TestGuastiProgramma)
#include "test_guasti_programma.moc"
