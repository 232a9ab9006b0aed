#include "CasaDiProva.h"
#include "ContestoDiProva.h"
#include "MessaggiDetti.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"

#include <QTest>

using namespace Impostazioni;

class TestImpostazioni : public QObject {
    Q_OBJECT

private slots:
    // Loading the settings file: the voice and speed in force afterwards. A
    // bad file is deleted and the user told once ("told"), then the defaults
    // are used, a value read before the failure replaced too.
    void carica_data() {
        QTest::addColumn<QByteArray>("contenuto"); // "<none>": no file; "<dir>": a folder
        QTest::addColumn<QString>("atteso");
        // What the program writes, signs and the 16-bit limits.
        QTest::newRow("defaults as written") << QByteArray(" 1 \r\n 135 \r\n") << "1 135";
        QTest::newRow("limits, signs") << QByteArray("-32768\r\n+32767\r\n") << "-32768 32767";
        // Separators, and what may come before and after the values.
        QTest::newRow("comma on one line") << QByteArray("3,150") << "3 150";
        QTest::newRow("blanks around a comma") << QByteArray("3  ,  150") << "3 150";
        QTest::newRow("blank lines, LF only, no last line end")
            << QByteArray("\r\n\n  4\n\n 70") << "4 70";
        QTest::newRow("third line and garbage ignored")
            << QByteArray(" 2 \r\n 90 \r\n 77 zz\x01\xff") << "2 90";
        // No file, or a folder in its place: the defaults, silently.
        QTest::newRow("no file") << QByteArray("<none>") << "1 135";
        QTest::newRow("a folder in its place") << QByteArray("<dir>") << "1 135";
        // Bad files.
        QTest::newRow("empty") << QByteArray() << "1 135 told";
        QTest::newRow("one value") << QByteArray(" 4 \r\n") << "1 135 told";
        QTest::newRow("second value too large") << QByteArray("1\r\n32768\r\n") << "1 135 told";
        QTest::newRow("first value too small") << QByteArray("-32769\r\n135") << "1 135 told";
        QTest::newRow("forty digits") << QByteArray("1\r\n") + QByteArray(40, '9') << "1 135 told";
        QTest::newRow("decimal point") << QByteArray("1\r\n13.5\r\n") << "1 135 told";
        QTest::newRow("empty field after comma") << QByteArray("1,,135") << "1 135 told";
        QTest::newRow("lone minus") << QByteArray("-\r\n135") << "1 135 told";
    }
    void carica() {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, atteso);
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.NumeroVoce = p.contesto.VelocitaVoce = 9;
        const QString ini = p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        if (contenuto == "<dir>")
            QVERIFY(QDir().mkpath(ini));
        else if (contenuto != "<none>")
            QVERIFY(ScriviFile(ini, contenuto));
        CaricaImpostazioni(p.contesto);
        const bool detto = !p.messaggi.registro.isEmpty();
        QCOMPARE(QStringLiteral("%1 %2").arg(p.contesto.NumeroVoce).arg(p.contesto.VelocitaVoce) +
                     (detto ? " told" : ""),
                 atteso);
        // Deleted when bad, never written at load.
        QCOMPARE(QFileInfo::exists(ini), !detto && contenuto != "<none>");
        if (detto)
            QCOMPARE(MessaggiDetti(p.messaggi),
                     QString::fromUtf8("C'è stato un errore nel recuperare le configurazioni! | "
                                       "Ertavino (!)"));
    }

    void scritturaELeggimi() {
        // A blank (or "-") in the sign's place, the digits, a blank, CR LF.
        QCOMPARE(ScriviValori(2, 90), QByteArray(" 2 \r\n 90 \r\n"));
        QCOMPARE(ScriviValori(-32768, 0), QByteArray("-32768 \r\n 0 \r\n"));
        QCOMPARE(QString::fromUtf8(TestoLeggimi()),
                 QStringLiteral("Questa cartella contiene i files di impostazione dei programmi "
                                "presenti nel sito http://www.example.org/ertavino.\r\n \r\nSe "
                                "qualche programma presenta problemi di funzionamento può essere "
                                "utile cancellare il file *.ini relativo al programma in quata "
                                "cartella.\r\n \r\nNon cancellare questo file.\r\n"));
    }

    // A start with the settings folder as it may be found; every start
    // turns sounds on, loads the defaults and writes no settings file.
    void avvio_data() {
        QTest::addColumn<QString>("trovato"); // what already stands there
        QTest::addColumn<QByteArray>("leggimi");
        QTest::newRow("first start: folder and readme made") << "" << TestoLeggimi();
        QTest::newRow("readme there: left alone") << "leggimi.txt" << QByteArray("mio");
        QTest::newRow("a file in the folder's place: starts all the same")
            << "folder" << QByteArray("<missing>");
    }
    void avvio() {
        QFETCH(QString, trovato);
        QFETCH(QByteArray, leggimi);
        CasaDiProva casa;
        if (trovato == "leggimi.txt")
            QVERIFY(ScriviFile(casa.Cartella() + "/leggimi.txt", "mio"));
        else if (trovato == "folder")
            QVERIFY(ScriviFile(casa.Cartella(), ""));
        ContestoDiProva p;
        p.contesto.SuoniAttivati = 0;
        p.contesto.VelocitaVoce = 9;
        IstanzaUnica istanza(casa.Lock());
        QVERIFY(Avvio(p.contesto, istanza));
        QCOMPARE(p.contesto.PercorsoIni, casa.Cartella() + "/Ertavino.INI");
        QCOMPARE(LeggiFile(casa.Cartella() + "/leggimi.txt"), leggimi);
        QVERIFY(!QFile::exists(p.contesto.PercorsoIni));
        QCOMPARE(p.contesto.VelocitaVoce, qint16(135));
        QCOMPARE(p.contesto.SuoniAttivati, qint16(-1));
        QVERIFY(p.messaggi.registro.isEmpty());
    }

    void copiaUnica() {
        // The lock left by a copy whose process is gone is taken over.
        CasaDiProva casa;
        QVERIFY(ScriviFile(casa.Lock(), "4194000\nertavino\n\n"));
        ContestoDiProva prima, seconda;
        IstanzaUnica istanzaPrima(casa.Lock()), istanzaSeconda(casa.Lock());
        QVERIFY(Avvio(prima.contesto, istanzaPrima));
        // While that copy runs, a second one says so and does nothing else.
        QVERIFY(!Avvio(seconda.contesto, istanzaSeconda));
        QCOMPARE(
            MessaggiDetti(seconda.messaggi),
            QString::fromUtf8("E' già stata avviata una copia di questo programma! | Error (x)"));
        QVERIFY(seconda.contesto.PercorsoIni.isEmpty());
        QVERIFY(!istanzaSeconda.Acquisisci()); // the first copy still holds its lock
        // A lock that cannot be written at all does not keep the program from
        // starting, as if another copy ran.
        IstanzaUnica senzaCartella(casa.Lock() + "/manca/ertavino.lock");
        QVERIFY(senzaCartella.Acquisisci());
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "test_impostazioni.moc"
