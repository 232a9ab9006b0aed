#include "speech/ElencoVoci.h"
#include "speech/Sonorita.h"
#include "speech/VelocitaVoce.h"

#include <QTest>
#include <cmath>
#include <vector>

class TestVoceLogica : public QObject {
    Q_OBJECT
private slots:
    void velocitaSempreCrescente();
    void velocitaFuoriIntervallo_data();
    void velocitaFuoriIntervallo();
    void elencoVoci_data();
    void elencoVoci();
    void sonorita_data();
    void sonorita();
};

namespace {
// True when `a` is spoken strictly slower than `b`: a lower rate, or the same
// rate with longer pauses between words.
bool PiuLenta(ParametriVelocita a, ParametriVelocita b) {
    return a.paroleAlMinuto < b.paroleAlMinuto ||
           (a.paroleAlMinuto == b.paroleAlMinuto && a.pausaParole > b.pausaParole);
}
} // namespace

void TestVoceLogica::velocitaSempreCrescente() {
    for (int v = VelocitaMinima; v < VelocitaMassima; ++v) {
        const ParametriVelocita a = ParametriDiVelocita(v);
        const ParametriVelocita b = ParametriDiVelocita(v + 1);
        QVERIFY2(PiuLenta(a, b), qPrintable(QStringLiteral("%1 -> %2").arg(v).arg(v + 1)));
        // 78..84 words per minute all sound the same: never use them.
        QVERIFY(a.paroleAlMinuto >= 85);
        QVERIFY(a.pausaParole >= 0);
    }
    // The default is an unhurried, pause-free pace.
    QCOMPARE(ParametriDiVelocita(VelocitaPredefinita), (ParametriVelocita{157, 0}));
}

void TestVoceLogica::velocitaFuoriIntervallo_data() {
    QTest::addColumn<int>("memorizzata");
    QTest::addColumn<int>("usata");
    QTest::newRow("sotto il minimo") << 10 << 70;
    QTest::newRow("zero da un file rovinato") << 0 << 70;
    QTest::newRow("negativa") << -5 << 70;
    QTest::newRow("sopra il massimo") << 500 << 200;
}

void TestVoceLogica::velocitaFuoriIntervallo() {
    QFETCH(int, memorizzata);
    QFETCH(int, usata);
    QCOMPARE(ParametriDiVelocita(memorizzata), ParametriDiVelocita(usata));
}

void TestVoceLogica::elencoVoci_data() {
    QTest::addColumn<QStringList>("file");   // variant files, as the synthesizer lists them
    QTest::addColumn<QStringList>("nomi");   // their own names
    QTest::addColumn<QStringList>("attesi"); // display names, voice 1 first
    QTest::addColumn<QStringList>("sintetizzatore");

    QTest::newRow("nessuna variante")
        << QStringList{} << QStringList{} << QStringList{"Italiano"} << QStringList{"it"};
    QTest::newRow("femminili, poi maschili, per numero, poi il resto")
        << QStringList{"m3", "Annie", "f10", "f2", "m1", "adam"}
        << QStringList{"male3", "Annie", "female10", "female2", "male1", "Adam"}
        << QStringList{"Italiano",
                       "Italiano (femminile 2)",
                       "Italiano (femminile 10)",
                       "Italiano (maschile 1)",
                       "Italiano (maschile 3)",
                       "Italiano (Adam)",
                       "Italiano (Annie)"}
        << QStringList{"it", "it+f2", "it+f10", "it+m1", "it+m3", "it+adam", "it+Annie"};
    QTest::newRow("nomi italiani e trattini bassi")
        << QStringList{"whisper", "grandma", "Mr serious"}
        << QStringList{"whisper", "grandma", "Mr_Serious"}
        << QStringList{"Italiano", "Italiano (Mr Serious)", "Italiano (nonna)",
                       "Italiano (sussurro)"}
        << QStringList{"it", "it+Mr serious", "it+grandma", "it+whisper"};
    QTest::newRow("doppioni e file senza nome tolti")
        << QStringList{"f1", "f1", ""} << QStringList{"female1", "female1", "x"}
        << QStringList{"Italiano", "Italiano (femminile 1)"} << QStringList{"it", "it+f1"};
    QTest::newRow("varianti di prova tolte")
        << QStringList{"fast", "m2"} << QStringList{"fast_test", "male2"}
        << QStringList{"Italiano", "Italiano (maschile 2)"} << QStringList{"it", "it+m2"};
    QTest::newRow("variante senza nome proprio usa il file")
        << QStringList{"robot"} << QStringList{" "} << QStringList{"Italiano", "Italiano (robot)"}
        << QStringList{"it", "it+robot"};
}

void TestVoceLogica::elencoVoci() {
    QFETCH(QStringList, file);
    QFETCH(QStringList, nomi);
    QFETCH(QStringList, attesi);
    QFETCH(QStringList, sintetizzatore);
    QList<VarianteVoce> varianti;
    for (qsizetype i = 0; i < file.size(); ++i)
        varianti.append({file[i], nomi[i]});

    const QList<VoceItaliana> voci = ElencoVociItaliane(varianti);
    QStringList visti, nomiSintesi;
    for (const VoceItaliana& v : voci) {
        visti << v.nome;
        nomiSintesi << v.NomeSintetizzatore();
    }
    QCOMPARE(visti, attesi);
    QCOMPARE(nomiSintesi, sintetizzatore);

    // The order does not depend on the order the variants were listed in.
    std::reverse(varianti.begin(), varianti.end());
    QCOMPARE(ElencoVociItaliane(varianti), voci);
}

void TestVoceLogica::sonorita_data() {
    QTest::addColumn<int>("ampiezza"); // of a square wave
    QTest::addColumn<int>("campioni");
    QTest::addColumn<float>("minimo");
    QTest::addColumn<float>("massimo");
    QTest::newRow("niente suono") << 0 << 0 << 0.0f << 0.0f;
    QTest::newRow("silenzio") << 0 << 660 << 0.0f << 0.0f;
    QTest::newRow("fruscio chiude la bocca") << 60 << 660 << 0.0f << 0.0f;
    QTest::newRow("voce bassa la apre poco") << 1000 << 660 << 0.15f << 0.45f;
    QTest::newRow("vocale piena la apre quasi tutta") << 7000 << 660 << 0.85f << 1.0f;
    QTest::newRow("a fondo scala non oltre 1") << 32767 << 660 << 1.0f << 1.0f;
}

void TestVoceLogica::sonorita() {
    QFETCH(int, ampiezza);
    QFETCH(int, campioni);
    QFETCH(float, minimo);
    QFETCH(float, massimo);
    std::vector<qint16> onda(std::size_t(campioni) + 1);
    for (std::size_t i = 0; i < onda.size(); ++i)
        onda[i] = qint16(i % 2 ? ampiezza : -ampiezza);
    const float s = Sonorita(onda.data(), campioni);
    QVERIFY2(s >= minimo && s <= massimo, qPrintable(QString::number(s)));
}

QTEST_APPLESS_MAIN(TestVoceLogica)
#include "test_voce_logica.moc"
