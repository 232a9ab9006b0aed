#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

class TestGuastiProcessi : public QObject {
    Q_OBJECT

    QString Programma() const {
        return QDir(QCoreApplication::applicationDirPath()).filePath("ertavino_processo_di_prova");
    }
    static QByteArray Leggi(const QString& percorso) {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void uccisoMentreSalva() {
        // Killed at a random moment while saving over and over: the file is
        // always one of the two complete versions, never a mixture or empty.
        const QByteArray vecchio(" 1 \r\n 100 \r\n"), nuovo(" 2 \r\n 200 \r\n");
        QTemporaryDir dir;
        const QString ini = dir.filePath("Ertavino.INI");
        for (int giro = 0; giro < 15; ++giro) {
            QProcess p;
            p.start(Programma(), {"salva-ciclo", ini});
            QVERIFY(p.waitForStarted());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ini), 5000);
            QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 40)));
            p.kill();
            QVERIFY(p.waitForFinished());
            const QByteArray dentro = Leggi(ini);
            QVERIFY2(dentro == vecchio || dentro == nuovo, dentro.toHex().constData());
        }
    }

    void dueCopieInsieme() {
        // Copies started at the same instant: exactly one runs.
        for (int giro = 0; giro < 5; ++giro) {
            QTemporaryDir dir;
            const QString lock = dir.filePath("ertavino.lock"), via = dir.filePath("via");
            std::vector<std::unique_ptr<QProcess>> copie;
            for (int i = 0; i < 4; ++i) {
                copie.push_back(std::make_unique<QProcess>());
                copie.back()->start(Programma(), {"istanza", lock, via});
                QVERIFY(copie.back()->waitForStarted());
            }
            QFile(via).open(QIODevice::WriteOnly);
            int presi = 0, rifiutati = 0;
            for (auto& c : copie) {
                QTRY_VERIFY_WITH_TIMEOUT(c->canReadLine(), 5000);
                const QByteArray riga = c->readLine().trimmed();
                presi += riga == "preso";
                rifiutati += riga == "rifiutato";
            }
            QCOMPARE(presi, 1);
            QCOMPARE(rifiutati, 3);
            for (auto& c : copie) {
                c->closeWriteChannel();
                QVERIFY(c->waitForFinished());
            }
        }
    }

    void copiaUccisaLasciaIlPosto() {
        QTemporaryDir dir;
        const QString lock = dir.filePath("ertavino.lock"), via = dir.filePath("via");
        QFile(via).open(QIODevice::WriteOnly);
        QProcess prima;
        prima.start(Programma(), {"istanza", lock, via});
        QTRY_VERIFY_WITH_TIMEOUT(prima.canReadLine(), 5000);
        QCOMPARE(prima.readLine().trimmed(), QByteArray("preso"));
        prima.kill(); // its lock file stays behind
        QVERIFY(prima.waitForFinished());
        QVERIFY(QFile::exists(lock));

        QProcess dopo;
        dopo.start(Programma(), {"istanza", lock, via});
        QTRY_VERIFY_WITH_TIMEOUT(dopo.canReadLine(), 5000);
        QCOMPARE(dopo.readLine().trimmed(), QByteArray("preso"));
        dopo.closeWriteChannel();
        QVERIFY(dopo.waitForFinished());
    }

    void discoPienoAlSalvataggio() {
        // The disk fills up during the save: the save reports failure and the
        // old file is kept whole.
        QTemporaryDir dir;
        const QString ini = dir.filePath("Ertavino.INI");
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(" 3 \r\n 150 \r\n");
        f.close();
        QProcess p;
        p.start(Programma(), {"salva-limitato", ini, "4"});
        QVERIFY(p.waitForFinished());
        QCOMPARE(p.readAllStandardOutput().trimmed(), QByteArray("fallito"));
        QCOMPARE(Leggi(ini), QByteArray(" 3 \r\n 150 \r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Ertavino.INI"});
    }

    void cartellaInSolaLettura() {
        // A settings folder the teacher's account cannot write: saving fails
        // and says so, the file stays as it was; a bad file that cannot be
        // deleted is reported once and the defaults are used.
        QTemporaryDir dir;
        const QString cartella = dir.filePath("ImpostazioniProgrammiQuibo");
        QVERIFY(QDir().mkpath(cartella));
        const QString buono = cartella + "/Ertavino.INI", guasto = cartella + "/Guasto.INI";
        QFile b(buono), g(guasto);
        QVERIFY(b.open(QIODevice::WriteOnly) && g.open(QIODevice::WriteOnly));
        b.write(" 2 \r\n 90 \r\n");
        g.write("rotto");
        b.close();
        g.close();
        const auto lettura = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther;
        const auto passaggio = QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
        QFile::setPermissions(dir.path(), lettura | passaggio | QFile::WriteOwner);
        QFile::setPermissions(cartella, lettura | passaggio);
        QFile::setPermissions(buono, lettura);
        QFile::setPermissions(guasto, lettura);

        // A copy of the stand-in program where "nobody" can run it, wherever
        // the build tree lies.
        const QString programma = dir.filePath("processo");
        QVERIFY(QFile::copy(Programma(), programma));
        QProcess salva;
        salva.start(programma, {"--nessuno", "salva", buono});
        QVERIFY(salva.waitForFinished());
        QCOMPARE(salva.exitCode(), 0);
        QCOMPARE(salva.readAllStandardOutput().trimmed(), QByteArray("fallito"));
        QCOMPARE(Leggi(buono), QByteArray(" 2 \r\n 90 \r\n"));

        QProcess carica;
        carica.start(programma, {"--nessuno", "carica", guasto});
        QVERIFY(carica.waitForFinished());
        QCOMPARE(carica.readAllStandardOutput().trimmed(), QByteArray("1 135 1"));
        QVERIFY(QFile::exists(guasto));
        QFile::setPermissions(cartella, lettura | passaggio | QFile::WriteOwner);
    }
};

QTEST_GUILESS_MAIN(TestGuastiProcessi)
#include "test_guasti_processi.moc"
