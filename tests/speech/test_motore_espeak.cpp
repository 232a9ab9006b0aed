#include "UscitaRegistrata.h"
#include "speech/MotoreEspeak.h"
#include "speech/SessioneEspeak.h"
#include "speech/Sonorita.h"

#include <QCryptographicHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString Breve = QStringLiteral("Sono le sette.");
const QString Lunga = QStringLiteral("Manca un quarto d'ora a mezzanotte.");
const QString Lunghissima = QStringLiteral(
    "Clicca prima dove deve arrivare la lancetta rossa, poi dove deve arrivare quella blu. "
    "Clicca prima dove deve arrivare la lancetta rossa, poi dove deve arrivare quella blu.");

// An engine whose sound goes to a recording output.
struct MotoreDiProva {
    explicit MotoreDiProva(bool tempoReale = false, QString cartella = {})
        : motore(MotoreEspeak::Opzioni{std::move(cartella), [this, tempoReale] {
                                           ++usciteCreate;
                                           return std::unique_ptr<UscitaAudio>(
                                               new UscitaRegistrata(registro, tempoReale));
                                       }}) {}

    // Speaks `testo` and waits until it has all been heard; its sound.
    QByteArray Detto(const QString& testo) {
        registro->Svuota();
        QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
        motore.Parla(testo);
        if (!silenzio.wait(10000))
            return {};
        return registro->Tutto();
    }

    double Secondi(const QByteArray& pcm) const {
        return double(pcm.size()) / (2.0 * registro->campioniAlSecondo);
    }

    std::shared_ptr<RegistroAudio> registro = std::make_shared<RegistroAudio>();
    std::atomic<int> usciteCreate{0};
    MotoreEspeak motore;
};

// The synthesizer adds a little jitter of its own, so the same text never
// gives exactly the same samples twice. Sounds are compared by their outline:
// loudness every 20 ms.
QList<float> Profilo(const QByteArray& pcm, int campioniAlSecondo) {
    const qsizetype passo = campioniAlSecondo / 50;
    const auto* campioni = reinterpret_cast<const qint16*>(pcm.constData());
    QList<float> profilo;
    for (qsizetype i = 0; i + passo <= pcm.size() / 2; i += passo)
        profilo << Sonorita(campioni + i, passo);
    return profilo;
}

// Mean difference of two outlines, 0 for equal ones.
float Distanza(const QList<float>& a, const QList<float>& b) {
    const qsizetype n = std::min(a.size(), b.size());
    float somma = std::abs(float(a.size() - b.size()));
    for (qsizetype i = 0; i < n; ++i)
        somma += std::abs(a[i] - b[i]);
    return somma / float(std::max<qsizetype>(1, std::max(a.size(), b.size())));
}

// A voice's rough character in a sentence: its length, how often its voiced
// stretches cross zero (pitch and formants), their loudness and brightness
// (the share of energy in the sample-to-sample changes).
struct Timbro {
    double secondi = 0, attraversamenti = 0, volume = 0, brillantezza = 0;

    // Sum of the relative differences.
    double Distanza(const Timbro& altro) const {
        return std::abs(secondi - altro.secondi) / secondi +
               std::abs(attraversamenti - altro.attraversamenti) / attraversamenti +
               std::abs(volume - altro.volume) / volume +
               std::abs(brillantezza - altro.brillantezza) / brillantezza;
    }
};

Timbro TimbroDi(const QByteArray& pcm, int campioniAlSecondo) {
    const qsizetype passo = campioniAlSecondo / 50;
    const auto* c = reinterpret_cast<const qint16*>(pcm.constData());
    Timbro t;
    t.secondi = double(pcm.size()) / (2.0 * campioniAlSecondo);
    int sonori = 0;
    for (qsizetype i = 0; i + passo <= pcm.size() / 2; i += passo) {
        const float volume = Sonorita(c + i, passo);
        if (volume < 0.3f)
            continue; // pauses and breath say little about the voice
        int attraversamenti = 0;
        double energia = 0, cambi = 0;
        for (qsizetype k = i + 1; k < i + passo; ++k) {
            attraversamenti += (c[k - 1] < 0) != (c[k] < 0);
            energia += double(c[k]) * c[k];
            cambi += double(c[k] - c[k - 1]) * (c[k] - c[k - 1]);
        }
        t.attraversamenti += attraversamenti;
        t.volume += volume;
        t.brillantezza += std::sqrt(cambi / energia);
        ++sonori;
    }
    if (sonori > 0) {
        t.attraversamenti /= sonori;
        t.volume /= sonori;
        t.brillantezza /= sonori;
    }
    return t;
}

bool QuasiUguali(qsizetype a, qsizetype b) {
    return std::abs(a - b) <= std::max(a, b) / 50;
}

} // namespace

class TestMotoreEspeak : public QObject {
    Q_OBJECT
private slots:
    void vociItaliane();
    void lunghezzaPlausibile_data();
    void lunghezzaPlausibile();
    void piuVeloceEPiuBreve();
    void ogniVoceParlaConVoceSua();
    void numeriLettiInItaliano_data();
    void numeriLettiInItaliano();
    void dueTestiSentitiInOrdine();
    void fermaZittisceESvuotaLaCoda();
    void fermaPoiParlaDiceSoloIlNuovo();
    void fermaQuandoTaceNonFaNulla();
    void senzaDatiVocaliTace();
    void senzaDispositivoLaCodaAvanza();
};

void TestMotoreEspeak::vociItaliane() {
    MotoreDiProva p;
    const int n = p.motore.NumeroVoci();
    QVERIFY(n >= 2); // the Italian voice and at least the variants f1..m8
    QCOMPARE(p.motore.NomeVoce(1), QStringLiteral("Italiano"));
    QSet<QString> nomi;
    for (int i = 1; i <= n; ++i) {
        const QString nome = p.motore.NomeVoce(i);
        QVERIFY2(nome.startsWith(QStringLiteral("Italiano")), qPrintable(nome));
        nomi.insert(nome);
    }
    QCOMPARE(nomi.size(), n);
    // Numbers outside 1..n name nothing and are refused.
    QVERIFY(p.motore.NomeVoce(0).isEmpty());
    QVERIFY(p.motore.NomeVoce(n + 1).isEmpty());
    QVERIFY(!p.motore.SelezionaVoce(0));
    QVERIFY(!p.motore.SelezionaVoce(n + 1));
    QVERIFY(p.motore.SelezionaVoce(n));
}

void TestMotoreEspeak::lunghezzaPlausibile_data() {
    QTest::addColumn<QString>("testo");
    QTest::addColumn<double>("minimo");
    QTest::addColumn<double>("massimo");
    QTest::newRow("ora intera") << Breve << 0.5 << 2.5;
    QTest::newRow("quarto a mezzanotte") << Lunga << 1.2 << 4.5;
    QTest::newRow("istruzione doppia") << Lunghissima << 6.0 << 20.0;
}

void TestMotoreEspeak::lunghezzaPlausibile() {
    QFETCH(QString, testo);
    QFETCH(double, minimo);
    QFETCH(double, massimo);
    MotoreDiProva p;
    const double secondi = p.Secondi(p.Detto(testo));
    QVERIFY2(secondi >= minimo && secondi <= massimo, qPrintable(QString::number(secondi)));
}

void TestMotoreEspeak::piuVeloceEPiuBreve() {
    MotoreDiProva p;
    auto durata = [&](int velocita) {
        p.motore.ImpostaVelocita(velocita);
        return p.Detto(Lunga).size();
    };
    // Every step at the slow end, where the rate alone would stand still.
    qsizetype prima = durata(70);
    for (int v = 71; v <= 82; ++v) {
        const qsizetype ora = durata(v);
        QVERIFY2(ora < prima, qPrintable(QStringLiteral("velocità %1").arg(v)));
        prima = ora;
    }
    // Coarser steps over the rest of the range.
    for (int v = 90; v <= 200; v += 10) {
        const qsizetype ora = durata(v);
        QVERIFY2(ora < prima, qPrintable(QStringLiteral("velocità %1").arg(v)));
        prima = ora;
    }
}

void TestMotoreEspeak::ogniVoceParlaConVoceSua() {
    MotoreDiProva p;
    QVERIFY(p.motore.SelezionaVoce(1)); // waits for the engine to start
    const int campioni = p.registro->campioniAlSecondo;
    const Timbro italiano = TimbroDi(p.Detto(Lunga), campioni);
    // Two renderings of one voice differ only by the synthesizer's jitter.
    const double tremolio = italiano.Distanza(TimbroDi(p.Detto(Lunga), campioni));
    QVERIFY2(tremolio < 0.025, qPrintable(QString::number(tremolio)));
    for (int i = 2; i <= p.motore.NumeroVoci(); ++i) {
        QVERIFY(p.motore.SelezionaVoce(i));
        const QByteArray pcm = p.Detto(Lunga);
        QVERIFY2(p.Secondi(pcm) > 0.3, qPrintable(p.motore.NomeVoce(i)));
        const double distanza = italiano.Distanza(TimbroDi(pcm, campioni));
        QVERIFY2(distanza > 0.035,
                 qPrintable(p.motore.NomeVoce(i) + QStringLiteral(": %1").arg(distanza)));
    }
}

void TestMotoreEspeak::numeriLettiInItaliano_data() {
    QTest::addColumn<QString>("cifre");
    QTest::addColumn<QString>("parole");
    QTest::newRow("ora sola") << "Sono le 7"
                              << "Sono le sette";
    QTest::newRow("minuti e ora col punto") << "Mancano 25 minuti alle 4."
                                            << "Mancano venticinque minuti alle quattro.";
    QTest::newRow("dodici e un quarto") << "Sono le 12 e un quarto."
                                        << "Sono le dodici e un quarto.";
    QTest::newRow("ventiquattro") << "Sono le 24."
                                  << "Sono le ventiquattro.";
    QTest::newRow("minuti dopo l'ora") << "Sono le 13 e 55 minuti."
                                       << "Sono le tredici e cinquantacinque minuti.";
}

void TestMotoreEspeak::numeriLettiInItaliano() {
    QFETCH(QString, cifre);
    QFETCH(QString, parole);
    SessioneEspeak sessione({});
    QVERIFY(sessione.CampioniAlSecondo() > 0);
    // The same sounds; the stress marks (' and ,) may fall differently.
    auto suoni = [&](const QString& testo) {
        return sessione.Fonemi(testo).remove(QLatin1Char('\'')).remove(QLatin1Char(','));
    };
    QVERIFY(!suoni(cifre).isEmpty());
    QCOMPARE(suoni(cifre), suoni(parole));
}

void TestMotoreEspeak::dueTestiSentitiInOrdine() {
    MotoreDiProva p;
    const QByteArray prima = p.Detto(Lunga);
    const QByteArray seconda = p.Detto(Breve);
    QVERIFY(!prima.isEmpty() && !seconda.isEmpty());

    p.registro->Svuota();
    QSignalSpy silenzio(&p.motore, &MotoreEspeak::Silenzio);
    p.motore.Parla(Lunga);
    p.motore.Parla(Breve);
    QTRY_VERIFY_WITH_TIMEOUT(QuasiUguali(p.registro->Byte(), prima.size() + seconda.size()), 10000);
    const int campioni = p.registro->campioniAlSecondo;
    const QList<float> sentito = Profilo(p.registro->Tutto(), campioni);
    const float inOrdine = Distanza(sentito, Profilo(prima + seconda, campioni));
    const float rovesciato = Distanza(sentito, Profilo(seconda + prima, campioni));
    QVERIFY2(inOrdine < rovesciato / 3,
             qPrintable(QStringLiteral("%1 / %2").arg(inOrdine).arg(rovesciato)));
}

void TestMotoreEspeak::fermaZittisceESvuotaLaCoda() {
    const QByteArray lunghissima = MotoreDiProva().Detto(Lunghissima);
    QVERIFY(!lunghissima.isEmpty());
    MotoreDiProva p(true);

    QSignalSpy livelli(&p.motore, &MotoreVoce::Livello);
    QSignalSpy silenzio(&p.motore, &MotoreEspeak::Silenzio);
    p.motore.Parla(Lunghissima);
    p.motore.Parla(Lunga);
    QTRY_VERIFY_WITH_TIMEOUT(p.registro->Byte() > 0, 5000);
    QTest::qWait(200);
    p.motore.Ferma();
    QVERIFY(silenzio.wait(1000));
    const qsizetype sentiti = p.registro->Byte();
    QVERIFY(sentiti < lunghissima.size() / 3);
    // Nothing more comes, neither the rest of the sentence nor the queued one.
    QTest::qWait(400);
    QCOMPARE(p.registro->Byte(), sentiti);
    QVERIFY(!livelli.isEmpty());
    QCOMPARE(livelli.last().first().toFloat(), 0.0f);
}

void TestMotoreEspeak::fermaPoiParlaDiceSoloIlNuovo() {
    const QByteArray breve = MotoreDiProva().Detto(Breve);
    MotoreDiProva p(true);
    p.motore.Parla(Lunghissima);
    QTRY_VERIFY_WITH_TIMEOUT(p.registro->Byte() > 0, 5000);
    QSignalSpy silenzio(&p.motore, &MotoreEspeak::Silenzio);
    p.motore.Ferma();
    p.motore.Parla(Breve);
    QTRY_VERIFY_WITH_TIMEOUT(silenzio.size() >= 2, 10000);
    const QList<QByteArray> tratti = p.registro->Tratti();
    QCOMPARE(tratti.size(), 2);
    QVERIFY(QuasiUguali(tratti.last().size(), breve.size()));
}

void TestMotoreEspeak::fermaQuandoTaceNonFaNulla() {
    MotoreDiProva p;
    p.motore.Ferma();
    p.motore.Ferma();
    // The engine still speaks normally afterwards.
    QVERIFY(p.Secondi(p.Detto(Breve)) > 0.3);
}

void TestMotoreEspeak::senzaDatiVocaliTace() {
    QTemporaryDir vuota;
    QVERIFY(vuota.isValid());
    MotoreDiProva p(false, vuota.path());
    QCOMPARE(p.motore.NumeroVoci(), 0);
    QVERIFY(p.motore.NomeVoce(1).isEmpty());
    QVERIFY(!p.motore.SelezionaVoce(1));
    p.motore.ImpostaVelocita(135);
    p.motore.Parla(Breve);
    p.motore.Ferma();
    p.motore.Parla(Lunga);
    QTest::qWait(100);
    QCOMPARE(p.usciteCreate.load(), 0);
    QCOMPARE(p.registro->Byte(), 0);

    // The installed voice still works for an engine made afterwards.
    MotoreDiProva dopo;
    QVERIFY(dopo.motore.NumeroVoci() > 0);
    QVERIFY(dopo.Secondi(dopo.Detto(Breve)) > 0.3);
}

void TestMotoreEspeak::senzaDispositivoLaCodaAvanza() {
    // The real output: here there is no sound server, so it keeps time alone.
    MotoreEspeak motore;
    QSignalSpy silenzio(&motore, &MotoreEspeak::Silenzio);
    QSignalSpy livelli(&motore, &MotoreVoce::Livello);
    motore.Parla(Breve);
    motore.Parla(Breve);
    QVERIFY(silenzio.wait(10000));
    // Both sentences came to an end and the mouth moved and closed again.
    QVERIFY(livelli.size() > 2);
    QCOMPARE(livelli.last().first().toFloat(), 0.0f);
}

QTEST_MAIN(TestMotoreEspeak)
#include "test_motore_espeak.moc"
