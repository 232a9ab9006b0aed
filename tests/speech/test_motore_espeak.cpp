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

// A sentence's loudness (mean sample size) and brightness (mean change per sample size).
std::array<double, 2> Timbro(const QByteArray& pcm) {
    const auto* c = reinterpret_cast<const qint16*>(pcm.constData());
    double ampiezza = 0, cambi = 0;
    for (qsizetype k = 1; k < pcm.size() / 2; ++k) {
        ampiezza += std::abs(c[k]);
        cambi += std::abs(c[k] - c[k - 1]);
    }
    return {ampiezza / double(pcm.size()), cambi / ampiezza};
}

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

    void vociItalianeDiverse() {
        MotoreDiProva p;
        const int n = p.motore.NumeroVoci();
        QVERIFY(n >= 2 && p.motore.NomeVoce(1) == "Italiano" && p.motore.NomeVoce(n + 1).isEmpty());
        QVERIFY(!p.motore.SelezionaVoce(0) && !p.motore.SelezionaVoce(n + 1));
        // The synthesizer's jitter moves one voice's sound by thousandths; every
        // other voice is some hundredths away.
        const auto [volume, brillantezza] = Timbro(p.Detto(Lunghissima));
        auto distanza = [&](const QByteArray& pcm) {
            const auto [v, b] = Timbro(pcm);
            return std::abs(v - volume) / volume + std::abs(b - brillantezza) / brillantezza;
        };
        QVERIFY(distanza(p.Detto(Lunghissima)) < 0.01);
        QSet<QString> nomi;
        for (int i = 2; i <= n; ++i) {
            const QString nome = p.motore.NomeVoce(i);
            QVERIFY(p.motore.SelezionaVoce(i));
            const QByteArray pcm = p.Detto(Lunghissima);
            QVERIFY2(nome.startsWith(QStringLiteral("Italiano (")) && !nomi.contains(nome) &&
                         p.Secondi(pcm) > 1 && distanza(pcm) > 0.03,
                     qPrintable(nome));
            nomi.insert(nome);
        }
    }

    void frasiLetteInItaliano() {
        SessioneEspeak sessione({});
        // The same sounds; the stress marks (' and ,) may fall differently.
        auto suoni = [&](const char* testo) {
            return sessione.Fonemi(QString::fromUtf8(testo)).remove(QRegularExpression("[',]"));
        };
        QVERIFY(!suoni("Sono le 7").isEmpty());
        QCOMPARE(suoni("Sono le 7 e 55."), suoni("Sono le sette e cinquantacinque."));
        QCOMPARE(suoni("Mancano 25 minuti alle 24."),
                 suoni("Mancano venticinque minuti alle ventiquattro."));
        // Every sentence of the tables is read without a pause ("_:") inside a
        // clause: commas and stops end clauses, so such a pause is one the
        // written sentence has no mark for ("E' l'una." read "E — l'una").
        for (const TabellaFrasi* tabella :
             {&FrasiOraIntera, &FrasiMezzaPassata, &FrasiMezzaMancante, &FrasiMezzaPassataATrenta,
              &FrasiMezzaMancanteATrenta, &FrasiQuartoPassato, &FrasiMezzaAQuarti, &FrasiTreQuarti,
              &FrasiQuartoMancante, &FrasiMinutiDopo, &FrasiMinutiPrima}) {
            for (const RigaFrasi& riga : tabella->righe) {
                for (const Alternativa& a : riga.alternative) {
                    const QString frase =
                        QString::fromUtf8(a.frase).replace("%1", "7").replace("%2", "20");
                    const QString fonemi = sessione.Fonemi(frase);
                    QVERIFY2(!fonemi.isEmpty() && !fonemi.contains("_:"),
                             qPrintable(frase + " -> " + fonemi));
                }
            }
        }
    }

    void vociRilette() {
        // A private voice data folder: the installed data, and a variants
        // folder of its own that changes between two readings of the list.
        QString installata;
        {
            SessioneEspeak sessione({});
            const char* percorso = nullptr;
            espeak_Info(&percorso);
            installata = QString::fromUtf8(percorso);
        }
        QTemporaryDir cartella;
        for (const QString& f : QDir(installata).entryList(QDir::NoDotAndDotDot | QDir::AllEntries))
            if (f != "voices")
                QVERIFY(QFile::link(installata + '/' + f, cartella.filePath(f)));
        const QString varianti = cartella.filePath("voices/!v");
        QVERIFY(QDir().mkpath(varianti));
        const auto variante = [&](const char* nome) {
            return QFile::link(installata + "/voices/!v/" + nome, varianti + '/' + nome);
        };
        QVERIFY(variante("f3"));
        MotoreDiProva p(cartella.path());
        QCOMPARE(p.motore.NumeroVoci(), 2);
        QVERIFY(variante("m3"));
        p.motore.RileggiVoci();
        QCOMPARE(p.motore.NumeroVoci(), 3);
        QCOMPARE(p.motore.NomeVoce(3), QStringLiteral("Italiano (maschile 3)"));
        QVERIFY(QFile::remove(varianti + "/f3"));
        p.motore.RileggiVoci();
        QCOMPARE(p.motore.NumeroVoci(), 2);
        QCOMPARE(p.motore.NomeVoce(2), QStringLiteral("Italiano (maschile 3)"));
        // The voice chosen from the new list speaks.
        QVERIFY(p.motore.SelezionaVoce(2) && p.Secondi(p.Detto(Breve)) > 0.5);
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
        // It leaves the synthesizer to an engine made afterwards. With no sound
        // server here, the real output keeps time alone: both sentences end and
        // the mouth moves and closes again.
        MotoreEspeak motore;
        QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
        QSignalSpy livelli(&motore, &MotoreVoce::Livello);
        motore.Parla(Breve);
        motore.Parla(Breve);
        QVERIFY(silenzio.wait(10000));
        QVERIFY(livelli.size() > 2 && livelli.last().first().toFloat() == 0.0f);
    }

    void avvioRinviato() {
        // Left asleep, the engine wakes with its first request and speaks it;
        // one that never woke closes without hanging.
        MotoreEspeak::Opzioni sveglio, addormentato;
        sveglio.avvioRinviato = addormentato.avvioRinviato = true;
        { MotoreEspeak maiSvegliato(std::move(addormentato)); }
        MotoreEspeak motore(std::move(sveglio));
        QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
        motore.Parla(Breve);
        QVERIFY(silenzio.wait(10000));
        QVERIFY(motore.NumeroVoci() > 1);
    }
};

QTEST_MAIN(TestMotoreEspeak)
#include "test_motore_espeak.moc"
