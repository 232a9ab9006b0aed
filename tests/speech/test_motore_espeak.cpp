#include "MotoreVoceRegistrato.h"
#include "language/Frasi.h"
#include "speech/Bocca.h"
#include "speech/MotoreEspeak.h"
#include "speech/MotoreVoci.h"
#include "speech/SessioneEspeak.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <espeak-ng/speak_lib.h>

namespace {

const QString Breve = QStringLiteral("Sono le sette.");
const QString Lunga = QStringLiteral("Manca un quarto d'ora a mezzanotte.");
const QString Lunghissima = QString(Lunga + ' ').repeated(4); // about 9 s

// An engine whose output plays nothing and records what it takes, one stretch
// per silencing, heard at once; read after a silence, when it is written no more.
struct MotoreDiProva {
    struct Uscita : UscitaAudio {
        explicit Uscita(MotoreDiProva& prova) : p(prova) {}
        void Prepara(int campioni) override { p.campioniAlSecondo = campioni; }
        qint64 Scrivi(const char* dati, qint64 byte) override {
            const qint64 presi = p.trattieni ? 0 : byte;
            p.tratti.last().append(dati, presi);
            return presi;
        }
        qint64 Suonati() override { return p.tratti.last().size(); }
        void Ferma() override {
            if (!p.tratti.last().isEmpty())
                p.tratti.append(QByteArray());
        }
        MotoreDiProva& p;
    };

    explicit MotoreDiProva(QString cartella = {})
        : motore({cartella, [this] { return std::make_unique<Uscita>(*this); }}) {}
    // Speaks `testo`, waits until it has all been heard and gives its sound.
    QByteArray Detto(const QString& testo) {
        QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
        motore.Parla(testo);
        return silenzio.wait(10000) ? tratti.value(tratti.size() - 2) : QByteArray();
    }
    double Secondi(const QByteArray& pcm) { return pcm.size() / 2.0 / campioniAlSecondo; }

    QByteArrayList tratti{QByteArray()};
    int campioniAlSecondo = -1;          // until the output is prepared
    std::atomic<bool> trattieni = false; // the output takes nothing
    MotoreEspeak motore;
};

} // namespace

class TestMotoreEspeak : public QObject {
    Q_OBJECT
private slots:
    void boccaImpostaVoceEApertura() {
        MotoreVoceRegistrato motore;
        Bocca bocca(motore);
        ImpostaVoce(bocca, 9, 70); // voice 9 is refused, which is no error here
        QCOMPARE(motore.registro, (QStringList{"voce: 9", "velocita: 70"}));
        // The mouth opens with the voice's loudness and closes again in silence.
        bocca.resize(200, 140);
        QCOMPARE(bocca.accessibleName(), QStringLiteral("Bocca che parla"));
        const QImage chiusa = bocca.grab().toImage();
        emit motore.Livello(0.8f);
        const QImage aperta = bocca.grab().toImage();
        emit motore.Livello(0.0f);
        QVERIFY(aperta != chiusa && bocca.grab().toImage() == chiusa);
    }

    void vociIncorporatePoiServizio() {
        // The embedded voices keep their numbers; the service's come after them.
        MotoreVoceRegistrato incorporato({"Italiano", "Italiano (f1)"}),
            servizio({"lp_diphone (festival)"});
        MotoreVoci voci(incorporato, servizio);
        QCOMPARE(voci.NumeroVoci(), 3);
        QCOMPARE(voci.NomeVoce(3), QStringLiteral("lp_diphone (festival)"));
        QVERIFY(!voci.SelezionaVoce(4) && !voci.SelezionaVoce(0));
        // Texts go to the selected voice's engine, which is silenced once
        // another engine's voice is selected; a speed and a stop reach both.
        voci.Parla("a");
        QVERIFY(voci.SelezionaVoce(3));
        voci.ImpostaVelocita(80);
        voci.Parla("b");
        QVERIFY(voci.SelezionaVoce(2));
        voci.Parla("c");
        voci.Ferma();
        QCOMPARE(incorporato.registro, (QStringList{"voce: 0", "parla: a", "ferma", "velocita: 80",
                                                    "voce: 2", "parla: c", "ferma"}));
        QCOMPARE(servizio.registro,
                 (QStringList{"voce: 2", "voce: 1", "velocita: 80", "parla: b", "ferma", "ferma"}));
        QSignalSpy livello(&voci, &MotoreVoce::Livello);
        emit servizio.Livello(0.5f);
        QCOMPARE(livello.size(), 1);
    }

    void codaInOrdineFermaEVelocita() {
        MotoreDiProva p;
        p.motore.Ferma(); // harmless while nothing is spoken
        QSignalSpy silenzio(&p.motore, &MotoreEspeak::Silenzio);
        p.motore.Parla(Lunga);
        p.motore.Parla(Breve);
        // Both heard, in order, each as long as it should be; the output keeps
        // up, so each ends in a silence of its own.
        QTRY_VERIFY_WITH_TIMEOUT(silenzio.size() == 2, 10000);
        const double lunga = p.Secondi(p.tratti[0]), breve = p.Secondi(p.tratti[1]);
        QVERIFY(lunga > 1.6 && lunga < 4.5 && breve > 0.5 && breve < 1.4);
        // While the output takes nothing, one sentence waits to be heard and one
        // is queued; a stop drops both, and the next text comes whole.
        p.trattieni = true;
        p.motore.Parla(Lunghissima);
        QTest::qWait(100);
        p.motore.Parla(Lunga);
        p.motore.Ferma();
        QTRY_VERIFY_WITH_TIMEOUT(silenzio.size() == 3, 1000);
        p.trattieni = false;
        QVERIFY(std::abs(p.Secondi(p.Detto(Breve)) - breve) < 0.03 && p.tratti.size() == 4);
        // Faster is always shorter, also at the slow end, where only pauses change.
        qsizetype prima = std::numeric_limits<qsizetype>::max();
        for (int v : {70, 75, 80, 90, 110, 135, 170, 200}) {
            p.motore.ImpostaVelocita(v);
            const qsizetype ora = p.Detto(Lunga).size();
            QVERIFY2(ora > 0 && ora < prima, qPrintable(QString::number(v)));
            prima = ora;
        }
    }

    void vociRilette() {
        // A voice data folder of its own whose variants change between readings.
        QString installata;
        {
            SessioneEspeak sessione({});
            const char* percorso = nullptr;
            espeak_Info(&percorso);
            installata = QString::fromUtf8(percorso);
        }
        QTemporaryDir cartella;
        for (const QString& f : QDir(installata).entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
            QVERIFY(f == "voices" || QFile::link(installata + '/' + f, cartella.filePath(f)));
        const QString varianti = cartella.filePath("voices/!v/");
        const auto variante = [&](const char* nome) {
            return QFile::link(installata + "/voices/!v/" + nome, varianti + nome);
        };
        QVERIFY(QDir().mkpath(varianti) && variante("f3"));
        MotoreDiProva p(cartella.path());
        QVERIFY(p.motore.NumeroVoci() == 2 && p.motore.NomeVoce(1) == "Italiano" &&
                !p.motore.SelezionaVoce(0) && !p.motore.SelezionaVoce(3));
        QVERIFY(variante("m3") && QFile::remove(varianti + "f3"));
        p.motore.RileggiVoci();
        QVERIFY(p.motore.NumeroVoci() == 2 && p.motore.NomeVoce(2) == "Italiano (maschile 3)");
        // The voice chosen from the new list speaks.
        QVERIFY(p.motore.SelezionaVoce(2) && p.Secondi(p.Detto(Breve)) > 0.5);
    }

    void frasiLetteInItaliano() {
        SessioneEspeak sessione({});
        // Digits are read as Italian words (the stress marks may fall apart).
        auto suoni = [&](const QString& testo) {
            return sessione.Fonemi(testo).remove(QRegularExpression("[',]"));
        };
        QCOMPARE(suoni("Mancano 25 minuti alle 24."),
                 suoni("Mancano venticinque minuti alle ventiquattro."));
        // Every sentence of the tables is read without a pause ("_:") inside a
        // clause, which no comma or stop asks for ("E' l'una." read "E — l'una").
        for (const TabellaFrasi* tabella :
             {&FrasiOraIntera, &FrasiMezzaPassata, &FrasiMezzaMancante, &FrasiMezzaPassataATrenta,
              &FrasiMezzaMancanteATrenta, &FrasiQuartoPassato, &FrasiMezzaAQuarti, &FrasiTreQuarti,
              &FrasiQuartoMancante, &FrasiMinutiDopo, &FrasiMinutiPrima})
            for (const RigaFrasi& riga : tabella->righe)
                for (const Alternativa& a : riga.alternative) {
                    const QString frase =
                        QString::fromUtf8(a.frase).replace("%1", "7").replace("%2", "20");
                    QVERIFY2(!suoni(frase).isEmpty() && !suoni(frase).contains("_:"),
                             qPrintable(frase + " -> " + suoni(frase)));
                }
    }

    void senzaDatiTaceSenzaDispositivoAvanza() {
        // Without voice data: no voices, speech ignored, no output opened.
        QTemporaryDir vuota;
        MotoreDiProva p(vuota.path());
        QVERIFY(p.motore.NumeroVoci() == 0 && !p.motore.SelezionaVoce(1));
        p.motore.Parla(Breve);
        p.motore.Ferma();
        QTest::qWait(100);
        QCOMPARE(p.campioniAlSecondo, -1);
        // A later engine gets the synthesizer; left asleep, it wakes with its
        // first request (one that never woke closes without hanging). With no
        // sound server the real output keeps time alone, the mouth moving.
        MotoreEspeak::Opzioni sveglio, addormentato;
        sveglio.avvioRinviato = addormentato.avvioRinviato = true;
        { MotoreEspeak maiSvegliato(std::move(addormentato)); }
        MotoreEspeak motore(std::move(sveglio));
        QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
        QSignalSpy livelli(&motore, &MotoreVoce::Livello);
        motore.Parla(Breve);
        motore.Parla(Breve);
        QVERIFY(silenzio.wait(10000));
        QVERIFY(livelli.size() > 2 && livelli.last().first().toFloat() == 0.0f);
    }
};

QTEST_MAIN(TestMotoreEspeak)
#include "test_motore_espeak.moc"
