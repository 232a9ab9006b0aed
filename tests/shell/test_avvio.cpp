#include "ContestoDiProva.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestAvvio : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> casa_;
    QString Cartella() const { return casa_->filePath("config/ImpostazioniProgrammiQuibo"); }
    QString Lock() const { return casa_->filePath("run/ertavino.lock"); }

private slots:
    void init() {
        // Every start-up in this test sees a fresh, private configuration folder.
        casa_ = std::make_unique<QTemporaryDir>();
        QDir().mkpath(casa_->filePath("run"));
        qputenv("XDG_CONFIG_HOME", casa_->filePath("config").toUtf8());
    }

    void primoAvvio() {
        ContestoDiProva p;
        p.contesto.SuoniAttivati = 0; // whatever it was, every start turns sounds on
        IstanzaUnica istanza(Lock());
        QVERIFY(Avvio(p.contesto, istanza));
        QCOMPARE(p.contesto.PercorsoIni, Cartella() + "/Ertavino.INI");
        QFile leggimi(Cartella() + "/leggimi.txt");
        QVERIFY(leggimi.open(QIODevice::ReadOnly));
        QCOMPARE(leggimi.readAll(), Impostazioni::TestoLeggimi());
        QVERIFY(!QFile::exists(p.contesto.PercorsoIni)); // the file comes only with a save
        QCOMPARE(p.contesto.NumeroVoce, qint16(1));
        QCOMPARE(p.contesto.VelocitaVoce, qint16(135));
        QCOMPARE(p.contesto.SuoniAttivati, qint16(-1));
        QVERIFY(p.messaggi.registro.isEmpty());
    }

    void leggimiPresenteNonToccato() {
        QDir().mkpath(Cartella());
        QFile f(Cartella() + "/leggimi.txt");
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("mio");
        f.close();
        ContestoDiProva p;
        IstanzaUnica istanza(Lock());
        QVERIFY(Avvio(p.contesto, istanza));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("mio"));
    }

    void cartellaMaiCreabile() {
        // The settings folder's place is taken by a file: the program still
        // starts, with the defaults, and says nothing.
        QDir().mkpath(casa_->filePath("config"));
        QFile intruso(Cartella());
        QVERIFY(intruso.open(QIODevice::WriteOnly));
        intruso.close();
        ContestoDiProva p;
        IstanzaUnica istanza(Lock());
        QVERIFY(Avvio(p.contesto, istanza));
        QCOMPARE(p.contesto.VelocitaVoce, qint16(135));
        QVERIFY(p.messaggi.registro.isEmpty());
    }

    void secondaCopiaRifiutata() {
        ContestoDiProva prima, seconda;
        IstanzaUnica istanzaPrima(Lock());
        QVERIFY(Avvio(prima.contesto, istanzaPrima));

        IstanzaUnica istanzaSeconda(Lock());
        QVERIFY(!Avvio(seconda.contesto, istanzaSeconda));
        QCOMPARE(seconda.messaggi.registro.size(), 1);
        QCOMPARE(seconda.messaggi.registro[0].testo,
                 QString::fromUtf8("E' già stata avviata una copia di questo programma!"));
        QCOMPARE(seconda.messaggi.registro[0].titolo, QStringLiteral("Error"));
        QCOMPARE(seconda.messaggi.registro[0].icona, Messaggi::Icona::Critica);
        QVERIFY(seconda.contesto.PercorsoIni.isEmpty()); // nothing else was done
        // The first copy still holds its lock.
        QVERIFY(QFile::exists(Lock()));
        IstanzaUnica terza(Lock());
        QVERIFY(!terza.Acquisisci());
    }

    void lockDiUnaCopiaCaduta() {
        // The lock left by a copy whose process is gone is taken over.
        QFile lock(Lock());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write("4194000\nertavino\n\n");
        lock.close();
        ContestoDiProva p;
        IstanzaUnica istanza(Lock());
        QVERIFY(Avvio(p.contesto, istanza));
        QVERIFY(p.messaggi.registro.isEmpty());
    }

    void lockLiberatoAllaFine() {
        {
            IstanzaUnica prima(Lock());
            QVERIFY(prima.Acquisisci());
        }
        IstanzaUnica dopo(Lock());
        QVERIFY(dopo.Acquisisci());
    }
};

QTEST_GUILESS_MAIN(TestAvvio)
#include "test_avvio.moc"
