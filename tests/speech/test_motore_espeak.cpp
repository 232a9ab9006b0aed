#include "MotoreDiProva.h"
#include "MotoreVoceRegistrato.h"
#include "language/Frasi.h"
#include "speech/Bocca.h"
#include "speech/MotoreVoci.h"
#include "speech/espeak/MotoreEspeak.h"
#include "speech/espeak/SessioneEspeak.h"

#include <QDir>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <espeak-ng/speak_lib.h>

namespace {
std::unique_ptr<MotoreDiProva> Espeak(QString cartella = {}) {
    return MotoreDiProva::Con<MotoreEspeak>({.cartellaDati = std::move(cartella)});
}
} // namespace

class TestMotoreEspeak : public QObject {
    Q_OBJECT
private slots:
    void boccaImpostaVoceEApertura() {
        MotoreVoceRegistrato motore;
        Bocca bocca(motore);
        ImpostaVoce(motore, 9, 70); // voice 9 is refused, which is no error here
        QCOMPARE(motore.registro, (QStringList{"voce: 9", "velocita: 70"}));
        // The mouth opens with the voice's loudness and closes again in silence.
        bocca.resize(200, 140);
        const QImage chiusa = bocca.grab().toImage();
        emit motore.Livello(0.8f);
        const QImage aperta = bocca.grab().toImage();
        emit motore.Livello(0.0f);
        QVERIFY(aperta != chiusa && bocca.grab().toImage() == chiusa);
    }

    void motoriInFilaSenzaSovrapporsi() {
        // The engines' voices numbered on, in the order given.
        MotoreVoceRegistrato senza(QStringList{}), pico({"Pico"}),
            espeak({"Italiano", "Italiano (f1)"}), servizio({"lp_diphone (festival)"});
        MotoreVoci voci({&senza, &pico, &espeak, &servizio});
        QVERIFY(voci.NumeroVoci() == 4 && voci.NomeVoce(1) == "Pico" &&
                voci.NomeVoce(4) == "lp_diphone (festival)" && !voci.SelezionaVoce(5));
        // Texts go to the selected voice's engine (voice 1's until one is
        // selected), each waiting for the other engines' silence, in order; a
        // speed reaches all.
        QSignalSpy silenzio(&voci, &MotoreVoce::Silenzio);
        voci.Parla("a");
        QVERIFY(voci.SelezionaVoce(4));
        voci.ImpostaVelocita(80);
        voci.Parla("b");
        QVERIFY(voci.SelezionaVoce(3));
        voci.Parla("c");
        QVERIFY(!servizio.registro.contains("parla: b") &&
                espeak.registro == QStringList({"velocita: 80", "voce: 2"}));
        emit pico.Silenzio();
        QVERIFY(servizio.registro.endsWith("parla: b") && !espeak.registro.contains("parla: c"));
        emit servizio.Silenzio();
        QVERIFY(espeak.registro.endsWith("parla: c") && silenzio.isEmpty());
        emit espeak.Silenzio();
        QCOMPARE(silenzio.size(), 1);
        // A stop reaches every engine and drops what waits.
        voci.Parla("d");
        QVERIFY(voci.SelezionaVoce(1));
        voci.Parla("e");
        voci.Ferma();
        emit espeak.Silenzio();
        QVERIFY(pico.registro == QStringList({"parla: a", "velocita: 80", "voce: 1", "ferma"}) &&
                senza.registro == QStringList({"velocita: 80", "ferma"}) &&
                servizio.registro.endsWith("ferma") && espeak.registro.endsWith("ferma"));
        // An engine that gives no sign for the limit while a text waits for
        // it (a service hung after taking its texts) is stopped and passed.
        MotoreVoci lenti({&pico, &espeak}, nullptr, std::chrono::milliseconds(500));
        lenti.Parla("f");
        QVERIFY(lenti.SelezionaVoce(2));
        lenti.Parla("g");
        QTest::qWait(300);
        emit pico.Livello(0.4f); // still speaking
        QTest::qWait(300);
        QVERIFY(!espeak.registro.endsWith("parla: g") && pico.registro.endsWith("parla: f"));
        QTRY_VERIFY(espeak.registro.endsWith("parla: g") && pico.registro.endsWith("ferma"));
    }

    void codaInOrdineFermaEVelocita() {
        auto p = Espeak();
        p->CodaEFerma({1.6, 4.5}, {0.5, 1.4});
        // Faster is always shorter, also at the slow end, where only pauses change.
        qsizetype prima = std::numeric_limits<qsizetype>::max();
        for (int v : {70, 75, 80, 90, 110, 135, 170, 200}) {
            p->motore->ImpostaVelocita(v);
            const qsizetype ora = p->Detto(Lunga).size();
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
        auto p = Espeak(cartella.path());
        QVERIFY(p->motore->NumeroVoci() == 2 && p->motore->NomeVoce(1) == "Italiano" &&
                !p->motore->SelezionaVoce(0) && !p->motore->SelezionaVoce(3));
        QVERIFY(variante("m3") && QFile::remove(varianti + "f3"));
        p->motore->RileggiVoci();
        QVERIFY(p->motore->NumeroVoci() == 2 && p->motore->NomeVoce(2) == "Italiano (maschile 3)");
        // The voice chosen from the new list speaks.
        QVERIFY(p->motore->SelezionaVoce(2) && p->Secondi(p->Detto(Breve)) > 0.5);
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
        auto p = Espeak(vuota.path());
        QVERIFY(p->motore->NumeroVoci() == 0 && !p->motore->SelezionaVoce(1));
        QSignalSpy detto(p->motore.get(), &MotoreVoce::Silenzio);
        p->motore->Parla(Breve);
        p->motore->Ferma();
        QVERIFY(detto.wait(1000)); // nothing said, and so it says
        QCOMPARE(p->campioniAlSecondo, -1);
        // A later engine gets the synthesizer (one that never woke closes
        // without hanging); with no sound server the real output keeps time
        // alone, the mouth moving.
        { MotoreEspeak maiSvegliato({.avvioRinviato = true}); }
        MotoreEspeak motore;
        QSignalSpy silenzio(&motore, &MotoreVoce::Silenzio), livelli(&motore, &MotoreVoce::Livello);
        motore.Parla(Breve);
        motore.Parla(Breve);
        QVERIFY(silenzio.wait(10000));
        QVERIFY(livelli.size() > 2 && livelli.last().first().toFloat() == 0.0f);
    }
};

QTEST_MAIN(TestMotoreEspeak)
#include "test_motore_espeak.moc"
