// Faults only real processes show. The test starts copies of itself as
// stand-ins for the program, on its real settings writer and lock:
//   --salva <ini>           saves two settings alternately until killed
//   --istanza <lock> <via>  once the file <via> exists, takes the lock, prints
//                           "preso" or "rifiutato", holds it until its input closes
#include "CasaDiProva.h"
#include "ContestoDiProva.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cstdio>

class TestGuastiProcessi : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QObject copie_; // the running copies, ended with the test

    QProcess* Copia(const QStringList& argomenti) {
        auto* p = new QProcess(&copie_);
        p->start(QCoreApplication::applicationFilePath(), argomenti);
        return p;
    }
    static QByteArray Risposta(QProcess* p) {
        while (!p->canReadLine() && p->waitForReadyRead(5000)) {
        }
        return p->readLine().trimmed();
    }

private slots:
    void cleanup() { qDeleteAll(copie_.children()); }

    // Killed at a random moment while saving over and over: the file is
    // always one of the two complete versions, never a mixture or empty.
    void uccisoMentreSalva() {
        const QString ini = dir_.filePath("Ertavino.INI");
        for (int giro = 0; giro < 15; ++giro) {
            QProcess* p = Copia({"--salva", ini});
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(ini), 5000);
            QTest::qSleep(int(QRandomGenerator::global()->bounded(1, 40)));
            p->kill();
            QVERIFY(p->waitForFinished());
            const QByteArray dentro = LeggiFile(ini);
            QVERIFY2(dentro == " 1 \r\n 100 \r\n" || dentro == " 2 \r\n 200 \r\n", dentro.toHex());
        }
    }

    // Copies started at the same instant: exactly one runs. Once it is
    // killed, leaving its lock file behind, the next copy runs.
    void unaCopiaAllaVolta() {
        for (int giro = 0; giro < 5; ++giro) {
            const QString lock = dir_.filePath(QStringLiteral("%1.lock").arg(giro));
            const QString via = dir_.filePath(QString::number(giro));
            QList<QProcess*> copie;
            for (int i = 0; i < 4; ++i)
                copie << Copia({"--istanza", lock, via});
            QVERIFY(ScriviFile(via, {}));
            QByteArrayList risposte;
            for (QProcess* c : copie)
                risposte << Risposta(c);
            QCOMPARE(risposte.count("preso"), 1);
            QCOMPARE(risposte.count("rifiutato"), 3);
            copie[risposte.indexOf("preso")]->kill();
            QVERIFY(copie[risposte.indexOf("preso")]->waitForFinished());
            QVERIFY(QFile::exists(lock));
            QCOMPARE(Risposta(Copia({"--istanza", lock, via})), QByteArray("preso"));
            cleanup();
        }
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    ContestoDiProva p;
    p.contesto.PercorsoIni = a.value(2);
    for (qint16 voce = 1; a.value(1) == "--salva"; voce = qint16(3 - voce)) {
        p.contesto.NumeroVoce = voce;
        p.contesto.VelocitaVoce = qint16(100 * voce);
        Impostazioni::SalvaImpostazioni(p.contesto);
    }
    if (a.value(1) == "--istanza") {
        while (!QFile::exists(a.value(3)))
            QThread::usleep(200);
        IstanzaUnica istanza(a[2]);
        std::puts(istanza.Acquisisci() ? "preso" : "rifiutato");
        std::fflush(stdout);
        while (std::getchar() != EOF) {
        }
        return 0;
    }
    TestGuastiProcessi prova;
    return QTest::qExec(&prova, argc, argv);
}

#include "test_guasti_processi.moc"
