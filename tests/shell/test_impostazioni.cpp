#include "ContestoDiProva.h"
#include "shell/Impostazioni.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace Impostazioni;

class TestImpostazioni : public QObject {
    Q_OBJECT

    QByteArray Leggi(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    void Scrivi(const QString& percorso, const QByteArray& dati) {
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(dati);
    }

private slots:
    void lettura_data() {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<bool>("valido");
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("velocita");

        // Files the program writes itself.
        QTest::newRow("defaults as written") << QByteArray(" 1 \r\n 135 \r\n") << true << 1 << 135;
        QTest::newRow("negative value") << QByteArray("-5 \r\n 90 \r\n") << true << -5 << 90;
        QTest::newRow("16-bit limits")
            << QByteArray("-32768\r\n32767\r\n") << true << -32768 << 32767;
        // Free-format input.
        QTest::newRow("comma on one line") << QByteArray("3,150") << true << 3 << 150;
        QTest::newRow("blank on one line") << QByteArray("3 150\n") << true << 3 << 150;
        QTest::newRow("blanks before comma") << QByteArray("3  ,  150") << true << 3 << 150;
        QTest::newRow("LF only, no final newline") << QByteArray("2\n90") << true << 2 << 90;
        QTest::newRow("leading blank lines")
            << QByteArray("\r\n\r\n  4\r\n\r\n 70 ") << true << 4 << 70;
        QTest::newRow("third line ignored")
            << QByteArray(" 2 \r\n 90 \r\n 77 \r\n") << true << 2 << 90;
        QTest::newRow("garbage after second value")
            << QByteArray("2 90 \x01\xff zzz") << true << 2 << 90;
        QTest::newRow("explicit plus sign") << QByteArray("+2\r\n+90\r\n") << true << 2 << 90;
        // Failures.
        QTest::newRow("empty file") << QByteArray() << false << 0 << 0;
        QTest::newRow("only blanks") << QByteArray("  \r\n \r\n") << false << 0 << 0;
        QTest::newRow("one value") << QByteArray(" 1 \r\n") << false << 0 << 0;
        QTest::newRow("second value too large") << QByteArray("1\r\n32768\r\n") << false << 0 << 0;
        QTest::newRow("first value too small")
            << QByteArray("-32769\r\n135\r\n") << false << 0 << 0;
        QTest::newRow("huge number")
            << QByteArray("1\r\n99999999999999999999999999999999999999\r\n") << false << 0 << 0;
        QTest::newRow("word instead of number") << QByteArray("uno\r\n135\r\n") << false << 0 << 0;
        QTest::newRow("digits then letters") << QByteArray("1\r\n13x5\r\n") << false << 0 << 0;
        QTest::newRow("decimal point") << QByteArray("1\r\n13.5\r\n") << false << 0 << 0;
        QTest::newRow("empty field after comma") << QByteArray("1,,135") << false << 0 << 0;
        QTest::newRow("lone minus") << QByteArray("-\r\n135") << false << 0 << 0;
        QTest::newRow("NUL bytes") << QByteArray("1\0\0\r\n2", 6) << false << 0 << 0;
        QTest::newRow("binary garbage")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false << 0 << 0;
    }
    void lettura() {
        QFETCH(QByteArray, contenuto);
        QFETCH(bool, valido);
        const auto valori = LeggiValori(contenuto);
        QCOMPARE(valori.has_value(), valido);
        if (valido) {
            QFETCH(int, voce);
            QFETCH(int, velocita);
            QCOMPARE(int(valori->first), voce);
            QCOMPARE(int(valori->second), velocita);
        }
    }

    void letturaFileGrandi() {
        // A megabyte of blanks before the values is still read; a megabyte of
        // digits is one impossible number.
        QCOMPARE(LeggiValori(QByteArray(1 << 20, ' ') + "7 88")->second, qint16(88));
        QVERIFY(!LeggiValori(QByteArray(1 << 20, '9')).has_value());
        QByteArray rumore(1 << 20, Qt::Uninitialized);
        for (int i = 0; i < rumore.size(); ++i)
            rumore[i] = char((i * 7919 + 13) % 251);
        QVERIFY(!LeggiValori(rumore).has_value());
    }

    void scrittura_data() {
        QTest::addColumn<int>("voce");
        QTest::addColumn<int>("velocita");
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("defaults") << 1 << 135 << QByteArray(" 1 \r\n 135 \r\n");
        QTest::newRow("voice 2 speed 90") << 2 << 90 << QByteArray(" 2 \r\n 90 \r\n");
        QTest::newRow("negative") << -5 << 200 << QByteArray("-5 \r\n 200 \r\n");
        QTest::newRow("minimum") << -32768 << 0 << QByteArray("-32768 \r\n 0 \r\n");
    }
    void scrittura() {
        QFETCH(int, voce);
        QFETCH(int, velocita);
        QFETCH(QByteArray, byte);
        QCOMPARE(ScriviValori(qint16(voce), qint16(velocita)), byte);
        // What is written reads back as the same values.
        const auto indietro = LeggiValori(byte);
        QVERIFY(indietro);
        QCOMPARE(int(indietro->first), voce);
        QCOMPARE(int(indietro->second), velocita);
    }

    void leggimi() {
        const QList<QByteArray> righe = TestoLeggimi().split('\n');
        QCOMPARE(righe.size(), 6); // five lines, each ended by CR LF
        QVERIFY(righe.last().isEmpty());
        for (int i = 0; i < 5; ++i)
            QVERIFY2(righe[i].endsWith('\r'), righe[i].constData());
        QVERIFY(righe[0].startsWith("Questa cartella contiene i files di impostazione dei "
                                    "programmi presenti nel sito http"));
        QVERIFY(righe[0].endsWith(".\r"));
        QCOMPARE(righe[1], QByteArray(" \r"));
        QCOMPARE(QString::fromUtf8(righe[2]),
                 QString::fromUtf8("Se qualche programma presenta problemi di funzionamento può "
                                   "essere utile cancellare il file *.ini relativo al programma "
                                   "in quata cartella.\r"));
        QCOMPARE(righe[4], QByteArray("Non cancellare questo file.\r"));
    }

    void caricaSenzaFile() {
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.NumeroVoce = 9;
        p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        CaricaImpostazioni(p.contesto);
        QCOMPARE(p.contesto.NumeroVoce, qint16(1));
        QCOMPARE(p.contesto.VelocitaVoce, qint16(135));
        QVERIFY(p.messaggi.registro.isEmpty());
        QVERIFY(!QFile::exists(p.contesto.PercorsoIni)); // nothing written at load
    }

    void caricaFileBuono() {
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        Scrivi(p.contesto.PercorsoIni, "3,150");
        CaricaImpostazioni(p.contesto);
        QCOMPARE(p.contesto.NumeroVoce, qint16(3));
        QCOMPARE(p.contesto.VelocitaVoce, qint16(150));
        QVERIFY(p.messaggi.registro.isEmpty());
    }

    void caricaFileGuasto() {
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        Scrivi(p.contesto.PercorsoIni, " 4 \r\n"); // first value read, second missing
        CaricaImpostazioni(p.contesto);
        QCOMPARE(p.contesto.NumeroVoce, qint16(1)); // the value read first is replaced too
        QCOMPARE(p.contesto.VelocitaVoce, qint16(135));
        QVERIFY(!QFile::exists(p.contesto.PercorsoIni));
        QCOMPARE(p.messaggi.registro.size(), 1);
        QCOMPARE(p.messaggi.registro[0].testo,
                 QString::fromUtf8("C'è stato un errore nel recuperare le configurazioni!"));
        QCOMPARE(p.messaggi.registro[0].titolo, QStringLiteral("Ertavino"));
        QCOMPARE(p.messaggi.registro[0].icona, Messaggi::Icona::Esclamazione);
    }

    void fileGuastoNonCancellabile() {
        if (geteuid() == 0)
            QSKIP("root can delete from a read-only folder");
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        Scrivi(p.contesto.PercorsoIni, "rotto");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        CaricaImpostazioni(p.contesto);
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(p.messaggi.registro.size(), 1); // once, not again and again
        QCOMPARE(p.contesto.VelocitaVoce, qint16(135));
    }

    void fileIllegibile() {
        // A settings path that is a folder, not a file: defaults, no message.
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        QVERIFY(QDir().mkpath(p.contesto.PercorsoIni));
        CaricaImpostazioni(p.contesto);
        QCOMPARE(p.contesto.NumeroVoce, qint16(1));
        QVERIFY(p.messaggi.registro.isEmpty());
    }

    void salvataggio() {
        QTemporaryDir dir;
        ContestoDiProva p;
        p.contesto.PercorsoIni = dir.filePath("sotto/Ertavino.INI");
        p.contesto.NumeroVoce = 2;
        p.contesto.VelocitaVoce = 90;
        QVERIFY(SalvaImpostazioni(p.contesto));
        QCOMPARE(Leggi(p.contesto.PercorsoIni), QByteArray(" 2 \r\n 90 \r\n"));
        // A third line disappears at the next save.
        Scrivi(p.contesto.PercorsoIni, " 2 \r\n 90 \r\n 77 \r\n");
        QVERIFY(SalvaImpostazioni(p.contesto));
        QCOMPARE(Leggi(p.contesto.PercorsoIni), QByteArray(" 2 \r\n 90 \r\n"));
        // No temporary files left beside it.
        QCOMPARE(QDir(dir.filePath("sotto")).entryList(QDir::Files), QStringList{"Ertavino.INI"});
    }

    void salvataggioFallitoLasciaIlVecchio() {
        QTemporaryDir dir;
        ContestoDiProva p;
        // A folder in the way of the file: the save fails, nothing is harmed.
        p.contesto.PercorsoIni = dir.filePath("Ertavino.INI");
        QVERIFY(QDir().mkpath(p.contesto.PercorsoIni));
        QVERIFY(!SalvaImpostazioni(p.contesto));
        QVERIFY(QFileInfo(p.contesto.PercorsoIni).isDir());
        // A folder that is a file: the save fails without crashing.
        Scrivi(dir.filePath("file"), "x");
        p.contesto.PercorsoIni = dir.filePath("file/Ertavino.INI");
        QVERIFY(!SalvaImpostazioni(p.contesto));
        QCOMPARE(Leggi(dir.filePath("file")), QByteArray("x"));
        if (geteuid() != 0) {
            // A read-only folder: the old file survives the failed write.
            p.contesto.PercorsoIni = dir.filePath("ro/Ertavino.INI");
            QVERIFY(QDir().mkpath(dir.filePath("ro")));
            Scrivi(p.contesto.PercorsoIni, " 1 \r\n 135 \r\n");
            QFile::setPermissions(dir.filePath("ro"), QFile::ReadOwner | QFile::ExeOwner);
            p.contesto.VelocitaVoce = 99;
            QVERIFY(!SalvaImpostazioni(p.contesto));
            QFile::setPermissions(dir.filePath("ro"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QCOMPARE(Leggi(p.contesto.PercorsoIni), QByteArray(" 1 \r\n 135 \r\n"));
        }
    }

    void esisteFile() {
        QTemporaryDir dir;
        QVERIFY(!EsisteFile(dir.filePath("manca/leggimi.txt")));
        QVERIFY(!EsisteFile(dir.path())); // a folder is not a file
        Scrivi(dir.filePath("leggimi.txt"), "x");
        QVERIFY(EsisteFile(dir.filePath("leggimi.txt")));
    }
};

QTEST_GUILESS_MAIN(TestImpostazioni)
#include "test_impostazioni.moc"
