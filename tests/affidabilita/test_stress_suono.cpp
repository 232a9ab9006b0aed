// Speech and feedback sounds on a real PulseAudio server of the test's own
// (a null sink in the test's runtime folder), under a storm of requests from
// the user-interface thread while the server is killed and started again,
// twice: nothing crashes or trips the sanitizers, speech keeps time while
// the server is gone, and at the end a sentence is heard at the sink again.
#include "feedback/SuonatorePulse.h"
#include "speech/UscitaAudioPulse.h"
#include "speech/espeak/MotoreEspeak.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

namespace {
const QString Breve = QStringLiteral("Sono le sette.");
const QString Lunga = QStringLiteral("Manca un quarto d'ora a mezzanotte.");

bool Pactl(const QStringList& argomenti, QByteArray* uscita = nullptr) {
    QProcess p;
    p.start(QStringLiteral("pactl"), argomenti);
    const bool riuscito = p.waitForFinished(5000) && p.exitCode() == 0;
    if (uscita)
        *uscita = p.readAllStandardOutput();
    return riuscito;
}
} // namespace

class TestStressSuono : public QObject {
    Q_OBJECT
    QProcess server_;

    void AvviaServer() {
        server_.start(QStringLiteral("pulseaudio"),
                      {"--daemonize=no", "--exit-idle-time=-1", "-n", "--load=module-null-sink",
                       "--load=module-native-protocol-unix", "--log-target=stderr"});
        QVERIFY(server_.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(Pactl({"info"}), 10000);
    }
    void UccidiServer() {
        server_.kill();
        server_.waitForFinished();
    }

private slots:
    void initTestCase() {
        qputenv("PULSE_SERVER", "unix:" + qgetenv("XDG_RUNTIME_DIR") + "/pulse/native");
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        AvviaServer();
    }
    void cleanupTestCase() { UccidiServer(); }

    void richiesteMisteColServerUccisoDueVolte() {
        const auto uscita = std::make_shared<UscitaPulse>();
        MotoreEspeak motore(
            {{}, [uscita] { return std::unique_ptr<UscitaAudio>(new UscitaAudioPulse(uscita)); }});
        SuonatorePulse suoni(CartellaDati(QStringLiteral("suoni")), uscita);
        QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
        const int chieste = qEnvironmentVariableIntValue("STRESS_RICHIESTE");
        const int richieste = chieste > 0 ? chieste : 10000;
        const quint32 seme = QRandomGenerator::global()->generate();
        qInfo("seed %u, %d requests", seme, richieste);
        QRandomGenerator caso(seme);
        // The server dies at a third and at two thirds of the run and comes
        // back some requests later; a sentence meanwhile is timed silently.
        const int terzo = richieste / 3, giu = std::min(300, richieste / 6);
        for (int i = 0; i < richieste; ++i) {
            if (i == terzo || i == 2 * terzo)
                UccidiServer();
            if (i == terzo + giu || i == 2 * terzo + giu) {
                motore.Ferma();
                QTest::qWait(100);
                silenzio.clear();
                motore.Parla(Breve);
                QVERIFY(silenzio.wait(5000));
                AvviaServer();
            }
            switch (caso.bounded(5)) {
            case 0:
                motore.Parla(Lunga);
                break;
            case 1:
                motore.Ferma();
                break;
            case 2:
                motore.Parla(Breve), motore.Parla(Lunga);
                break;
            case 3:
                suoni.Suona(QStringLiteral("si%1.wav").arg(caso.bounded(1, 5)));
                break;
            case 4:
                suoni.Suona(QStringLiteral("no.wav"));
                break;
            }
            // 0 to 50 ms, short ones more often: bursts press hardest on
            // streams being opened and closed.
            QTest::qWait(int(50 * std::pow(caso.generateDouble(), 3)));
        }
        QVERIFY(uscita->ConSuono());

        // The monitor of the null sink hears the next sentence.
        QProcess orecchio;
        orecchio.start(QStringLiteral("parec"), {"--device=@DEFAULT_MONITOR@", "--raw",
                                                 "--format=s16le", "--rate=16000", "--channels=1"});
        QVERIFY(orecchio.waitForStarted());
        motore.Ferma();
        QTest::qWait(500);
        silenzio.clear();
        motore.Parla(Lunga); // about 2.6 s: its end is seen at once, not 4 s later
        QVERIFY(silenzio.wait(5000));
        orecchio.kill();
        orecchio.waitForFinished();
        const QByteArray pcm = orecchio.readAllStandardOutput();
        const auto* campioni = reinterpret_cast<const qint16*>(pcm.constData());
        int forti = 0;
        for (qsizetype i = 0; i < pcm.size() / 2; ++i)
            forti += std::abs(campioni[i]) > 3000;
        QVERIFY2(forti > 1000, qPrintable(QString::number(forti) + " loud samples"));
        // Silent again, the program leaves no stream behind at the server.
        QByteArray flussi;
        QTRY_VERIFY_WITH_TIMEOUT(
            Pactl({"list", "short", "sink-inputs"}, &flussi) && flussi.isEmpty(), 2000);
    }
};

QTEST_MAIN(TestStressSuono)
#include "test_stress_suono.moc"
