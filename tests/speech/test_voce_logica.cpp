#include "speech/ElencoVoci.h"
#include "speech/Pronuncia.h"
#include "speech/RegoleServizio.h"
#include "speech/Sonorita.h"
#include "speech/VelocitaVoce.h"

#include <QTest>

class TestVoceLogica : public QObject {
    Q_OBJECT
private slots:
    void velocitaSempreCrescente() {
        for (int v = VelocitaMinima; v < VelocitaMassima; ++v) {
            // Slower is a lower rate, or the same rate with longer pauses between
            // words; the rates 78..84 all sound the same and are never used.
            const auto [ritmo, pausa] = ParametriDiVelocita(v);
            const auto [ritmoDopo, pausaDopo] = ParametriDiVelocita(v + 1);
            QVERIFY2(ritmo >= 85 && pausa >= 0 &&
                         std::pair(ritmo, -pausa) < std::pair(ritmoDopo, -pausaDopo),
                     qPrintable(QString::number(v)));
        }
        // A hand-edited settings file's speed is clamped to the range.
        QCOMPARE(ParametriDiVelocita(0), ParametriDiVelocita(VelocitaMinima));
        QCOMPARE(ParametriDiVelocita(500), ParametriDiVelocita(VelocitaMassima));
        // The speech service's rate: 0 (the voice's preset) at the preset speed,
        // its whole range over the stored one, one step up at every step.
        for (int v = VelocitaMinima; v < VelocitaMassima; ++v)
            QVERIFY2(RitmoServizio(v) < RitmoServizio(v + 1), qPrintable(QString::number(v)));
        QCOMPARE(RitmoServizio(VelocitaPredefinita), 0);
        QCOMPARE(RitmoServizio(0), -100);
        QCOMPARE(RitmoServizio(500), 100);
    }

    void vociServizio_data() {
        // Voices as the service lists them, "module|voice|language", and the
        // names offered, in the order numbered.
        QTest::addColumn<QStringList>("elencate");
        QTest::addColumn<QStringList>("offerte");
        // clang-format off
        QTest::newRow("by module, then by name")
            << QStringList{"rhvoice|Giulia|it", "festival|pc_diphone|it", "pico|it-IT|it-IT",
                           "festival|lp_diphone|it"}
            << QStringList{"lp_diphone (festival)", "pc_diphone (festival)", "it-IT (pico)",
                           "Giulia (rhvoice)"};
        QTest::newRow("espeak-ng's voices repeat the embedded ones")
            << QStringList{"espeak-ng|Italian|it", "espeak|italian|it", "espeak-ng-generic|it|it",
                           "espeak-ng-mbrola|it4|it"}
            << QStringList{"it4 (espeak-ng-mbrola)"};
        QTest::newRow("Italian only, with any region")
            << QStringList{"festival|kal_diphone|en", "pico|fr-FR|fr-FR", "x|a|ita", "x|b|IT",
                           "x|c|it_CH", "x|d|", "x|e|en-it"}
            << QStringList{"b (x)", "c (x)"};
        QTest::newRow("doubles")
            << QStringList{"festival|lp_diphone|it", "festival|lp_diphone|it-IT",
                           "piper|lp_diphone|it", "festival|lp_diphone|it"}
            << QStringList{"lp_diphone (festival)", "lp_diphone (piper)"};
        QTest::newRow("no name, no module")
            << QStringList{"festival||it", "| x|it", " |y|it"}
            << QStringList{};
        // clang-format on
    }

    void vociServizio() {
        QFETCH(QStringList, elencate);
        QFETCH(QStringList, offerte);
        QList<VoceServizio> voci;
        for (const QString& riga : elencate)
            voci.append({riga.section('|', 0, 0), riga.section('|', 1, 1), riga.section('|', 2)});
        // Whatever order they are listed in, a voice keeps its number.
        for (int giro = 0; giro < 2; ++giro) {
            QStringList nomi;
            for (const VoceServizio& v : VociServizioOfferte(voci))
                nomi << v.NomeMostrato();
            QCOMPARE(nomi, offerte);
            std::reverse(voci.begin(), voci.end());
        }
    }

    void elencoVoci() {
        // Variants as the synthesizer lists them: file name, own name.
        QList<VarianteVoce> varianti{
            {"m3", "male3"},   {"Zac", "Zac"},         {"f10", "female10"},
            {"f2", "female2"}, {"grandma", "grandma"}, {"f2", "female2"},
            {"", "x"},         {"fast", "fast_test"},  {"Mr serious", "Mr_Serious"},
            {"robot", " "}};
        const QList<VoceItaliana> elenco = ElencoVociItaliane(varianti);
        QStringList voci;
        for (const VoceItaliana& v : elenco)
            voci << v.nome + " = " + v.NomeSintetizzatore();
        // The plain voice, numbered female and male variants by number, then the
        // rest by name; doubles, nameless files and test variants left out.
        QCOMPARE(voci, (QStringList{
                           "Italiano = it", "Italiano (femminile 2) = it+f2",
                           "Italiano (femminile 10) = it+f10", "Italiano (maschile 3) = it+m3",
                           "Italiano (Mr Serious) = it+Mr serious", "Italiano (nonna) = it+grandma",
                           "Italiano (robot) = it+robot", "Italiano (Zac) = it+Zac"}));
        // A stored voice number keeps its voice whatever order the list came in.
        std::reverse(varianti.begin(), varianti.end());
        QCOMPARE(ElencoVociItaliane(varianti), elenco);
    }

    void eAccentata() {
        // Only a word "E'" (or "e'") is read as "È"; a word ending in an
        // apostrophe stays.
        QCOMPARE(TestoDaPronunciare(QString::fromUtf8("E' l'una, e' l'ora. Un po' E'")),
                 QString::fromUtf8("È l'una, è l'ora. Un po' È"));
    }

    void sonorita() {
        // The mouth's opening for a steady sound of each size.
        auto apertura = [](qint16 ampiezza) {
            const std::vector<qint16> suono(660, ampiezza);
            return Sonorita(suono.data(), qsizetype(suono.size()));
        };
        QCOMPARE(Sonorita(nullptr, 0), 0.0f);                       // no sound at all
        QCOMPARE(apertura(-60), 0.0f);                              // a hiss keeps it shut
        QVERIFY(apertura(1000) > 0.15f && apertura(-1000) < 0.45f); // a soft voice a little
        QCOMPARE(apertura(32767), 1.0f); // full scale opens it no wider than wide open
    }
};

QTEST_APPLESS_MAIN(TestVoceLogica)
#include "test_voce_logica.moc"
