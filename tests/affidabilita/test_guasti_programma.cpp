// Faults, one at a time, on the program's real parts with no sound server: it
// stays usable and loses nothing, and the next start finds the last good save.
#include "CasaDiProva.h"
#include "ProgrammaDiProva.h"
#include "feedback/SuonatorePulse.h"
#include "speech/espeak/MotoreEspeak.h"

#include <QComboBox>
#include <QScopeGuard>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

enum class Guasto { Nessuno, FileGuasto, CartellaEUnFile, SolaLettura, GuastoBloccato, DiscoPieno };

class TestGuastiProgramma : public QObject {
    Q_OBJECT
private slots:
    void programmaUsabile_data() {
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
    void programmaUsabile() {
        QFETCH(bool, datiVocali);
        QFETCH(bool, cartellaSuoni);
        QFETCH(Guasto, guasto);
        CasaDiProva casa;
        const QString cartella = casa.Cartella(), ini = casa.Ini();
        const bool bloccata = guasto == Guasto::SolaLettura || guasto == Guasto::GuastoBloccato;
        const bool guasta = guasto == Guasto::FileGuasto || guasto == Guasto::GuastoBloccato;
        const bool buona = guasto == Guasto::SolaLettura || guasto == Guasto::DiscoPieno;
        const bool salvabile = guasto == Guasto::Nessuno || guasto == Guasto::FileGuasto;
        // A full disk fails writes past 4 bytes. Permissions do not bind root:
        // the read-only rows run as "nobody", in a home it owns.
        rlimit disco{};
        getrlimit(RLIMIT_FSIZE, &disco);
        std::signal(SIGXFSZ, SIG_IGN);
        const bool nessuno = bloccata && geteuid() == 0;
        for (const QString& c : {casa.dir.path(), casa.dir.filePath("run")})
            QVERIFY(!nessuno || chown(QFile::encodeName(c).constData(), 65534, 65534) == 0);
        QVERIFY(!nessuno || (setegid(65534) == 0 && seteuid(65534) == 0));
        const auto ripristina = qScopeGuard([&] {
            setrlimit(RLIMIT_FSIZE, &disco);
            QFile::setPermissions(cartella, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            if (nessuno && (seteuid(0) != 0 || setegid(0) != 0))
                qFatal("cannot take back root's rights");
        });
        QVERIFY(guasto != Guasto::CartellaEUnFile || ScriviFile(cartella, "non una cartella"));
        QVERIFY(!bloccata || ScriviFile(cartella + "/leggimi.txt", Impostazioni::TestoLeggimi()));
        QVERIFY(!(guasta || buona) || ScriviFile(ini, guasta ? "sette\r\n" : " 2 \r\n 150 \r\n"));
        QVERIFY(!bloccata || (QFile::setPermissions(ini, QFile::ReadOwner) &&
                              QFile::setPermissions(cartella, QFile::ReadOwner | QFile::ExeOwner)));
        const QString manca = casa.dir.filePath("manca");
        const QByteArray letti = buona ? " 2 \r\n 150 \r\n" : " 1 \r\n 135 \r\n";
        QByteArray salvati = LeggiFile(ini);
        GeneratoreCasuale casuale;
        SuonatorePulse suonatore(cartellaSuoni ? CartellaDati("suoni") : manca);
        MotoreEspeak motore(MotoreEspeak::Opzioni{datiVocali ? QString() : manca, {}});
        {
            // A bad file is reported once and the defaults are used.
            ProgrammaDiProva p(casuale, suonatore, motore, casa.Lock());
            QVERIFY(p.Avvia());
            QCOMPARE(p.messaggi.registro.size(), int(guasta));
            QCOMPARE(p.Valori(), letti);
            p.messaggi.registro.clear();
            // The disk fills once the program runs (its lock is on a file system apart).
            const rlimit pieno{4, disco.rlim_max};
            QVERIFY(guasto != Guasto::DiscoPieno || setrlimit(RLIMIT_FSIZE, &pieno) == 0);
            // The voice screen lists what the engine has, then saves a new speed.
            p.Premi("Command1");
            p.Premi("Command13");
            QCOMPARE(p.Figlio<QComboBox>("Combo1")->count() > 0, datiVocali);
            p.Figlio<QScrollBar>("HScroll1")->setValue(90);
            p.Premi("BottoneEsci");
            salvati = salvabile ? p.Valori() : salvati;
            QCOMPARE(LeggiFile(ini), salvati);
            // A question answered wrong, then right with both hands; then the end.
            p.Premi("Command9");
            auto* esercizio = qobject_cast<SchermataEsercizio*>(p.Schermo());
            Rispondi(*esercizio, false);
            Rispondi(*esercizio, true);
            QVERIFY(esercizio->QuantiErrati() == 1 && esercizio->QuantiEsatti() == 1);
            p.Premi("Command7"); // "Esci", Yes: back to the menu
            p.Premi("Command1"); // "Esci", Yes
            QVERIFY(p.finita);
            // A save that fails is said, once per save, and the run goes on.
            const QString non = "Non è stato possibile salvare le impostazioni. | Ertavino (!) @";
            const QString domande = "Vuoi tornare al menù? | Uso dell'ertavino ? @frmRuota7\n"
                                    "Vuoi uscire dal programma? | Uso dell'ertavino ? @FormMenu\n";
            QCOMPARE(p.messaggi.Detti() + '\n',
                     salvabile ? domande : non + "FormImposta\n" + domande + non + "FormMenu\n");
            setrlimit(RLIMIT_FSIZE, &disco);
            QCOMPARE(LeggiFile(ini), salvati);
            for (const QString& f : QDir(cartella).entryList(QDir::Files))
                QVERIFY2(f == "Ertavino.INI" || f == "leggimi.txt", qPrintable(f));
        }
        // The next start: the last good save, or what was found before.
        ProgrammaDiProva dopo(casuale, suonatore, motore, casa.Lock());
        QVERIFY(dopo.Avvia());
        QCOMPARE(dopo.messaggi.registro.size(), int(guasta && !salvabile));
        QCOMPARE(dopo.Valori(), salvabile ? salvati : letti);
    }
};

QTEST_MAIN(TestGuastiProgramma)
#include "test_guasti_programma.moc"
