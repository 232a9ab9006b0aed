#include "speech/ElencoVoci.h"
#include "speech/Pronuncia.h"
#include "speech/RegoleServizio.h"
#include "speech/SilenzioFinale.h"
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
        // Pico's level likewise: 100, its own rate, at the preset speed.
        for (int v = VelocitaMinima; v < VelocitaMassima; ++v)
            QVERIFY2(RitmoServizio(v) < RitmoServizio(v + 1) &&
                         LivelloVelocitaPico(v) < LivelloVelocitaPico(v + 1),
                     qPrintable(QString::number(v)));
        QVERIFY(RitmoServizio(VelocitaPredefinita) == 0 && LivelloVelocitaPico(135) == 100);
        QVERIFY(RitmoServizio(0) == -100 && RitmoServizio(500) == 100);
        QVERIFY(LivelloVelocitaPico(0) == 35 && LivelloVelocitaPico(500) == 165);
    }

    void vociServizio_data() {
        // Voices as the service lists them, "module|voice|language", and the
        // names offered, in the order numbered.
        QTest::addColumn<QStringList>("elencate");
        QTest::addColumn<QStringList>("offerte");
        // clang-format off
        QTest::newRow("by module, then by name")
            << QStringList{"rhvoice|Giulia|it", "festival|pc_diphone|it", "piper|paola|it-IT",
                           "festival|lp_diphone|it"}
            << QStringList{"lp_diphone (festival)", "pc_diphone (festival)", "paola (piper)",
                           "Giulia (rhvoice)"};
        QTest::newRow("espeak-ng's and Pico's voices repeat the embedded ones")
            << QStringList{"espeak-ng|Italian|it", "espeak|italian|it", "espeak-ng-generic|it|it",
                           "pico|it-IT|it-IT", "Pico-Generic|it|it", "picotts|it|it"}
            << QStringList{"it (picotts)"};
        QTest::newRow("MBROLA's it3 and it4 garble, under any of their names")
            << QStringList{"espeak-ng-mbrola|italian-mbrola-3|it", "espeak-ng-mbrola|mb-it4|it",
                           "espeak-ng-mbrola-generic|it4|it", "espeak-mbrola-generic|IT3|it",
                           "espeak-ng-mbrola|italian-mbrola-1|it", "festival|it3|it"}
            << QStringList{"italian-mbrola-1 (espeak-ng-mbrola)", "it3 (festival)"};
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

    void elencoVoci_data() {
        // Variant files as installed, and the voices offered in the order numbered.
        QTest::addColumn<QString>("varianti");
        QTest::addColumn<QString>("offerte");
        // The plain voice, numbered female and male variants by number, then
        // the few with an Italian word for a name, by that word.
        QTest::newRow("Debian 12's espeak-ng-data, some of its 100 variants")
            << "Alex AnxiousAndy Demonic aunty croak f1 f5 fast grandma grandpa klatt m1 m8 "
               "Mike|Mr serious robosoft whisper whisperf"
            << "it, f1 femminile 1, f5 femminile 5, m1 maschile 1, m8 maschile 8, croak "
               "gracchiante, grandma nonna, grandpa nonno, whisper sussurro, whisperf sussurro "
               "femminile, aunty zia";
        QTest::newRow("numbered past nine, doubles, nameless, a new joke voice")
            << "m3 f10 f2 f2  F1 f1x Demonic3 WHISPER"
            << "it, f2 femminile 2, f10 femminile 10, m3 maschile 3, WHISPER sussurro";
    }

    void elencoVoci() {
        QFETCH(QString, varianti);
        QFETCH(QString, offerte);
        // "|" stands for a blank inside a file name.
        QStringList file = varianti.split(' ');
        file.replaceInStrings("|", " ");
        const QList<VoceItaliana> elenco = ElencoVociItaliane(file);
        QStringList voci;
        for (const VoceItaliana& v : elenco)
            voci << (v.variante.isEmpty() ? v.NomeSintetizzatore()
                                          : v.variante + ' ' + v.nome.mid(10).chopped(1));
        QCOMPARE(voci, offerte.split(", "));
        QVERIFY(elenco.first().nome == "Italiano" && elenco.last().nome.startsWith("Italiano ("));
        // A stored voice number keeps its voice whatever order the list came in.
        std::reverse(file.begin(), file.end());
        QCOMPARE(ElencoVociItaliane(file), elenco);
    }

    void silenzioFinale_data() {
        // Pieces of sound as they come ("|" between them): a loud sample (L),
        // a quiet one (q, a hundredth of full scale and less), none (.); the
        // sound handed on. At 100 samples a second, 4 are kept at the end.
        QTest::addColumn<QString>("pezzi");
        QTest::addColumn<QString>("dati");
        // clang-format off
        QTest::newRow("the end cut, a pause kept") << "LLqq.qLL|qq.qqq.q" << "LLqq.qLLqq.q";
        QTest::newRow("a pause over pieces kept") << "LLq|.q|qL|qqq.qqq" << "LLq.qqLqqq.";
        QTest::newRow("short end kept whole") << "qL|LLq|q" << "qLLLqq";
        QTest::newRow("nothing loud") << "qq|q.q.qq" << "qqq.";
        // clang-format on
    }

    void silenzioFinale() {
        QFETCH(QString, pezzi);
        QFETCH(QString, dati);
        const auto campione = [](QChar c) { return qint16(c == 'L' ? -9000 : c == 'q' ? 327 : 0); };
        QString uscito;
        SenzaSilenzioFinale suono(100, [&](const qint16* campioni, int quanti) {
            for (int i = 0; i < quanti; ++i)
                uscito += campioni[i] == -9000 ? 'L' : campioni[i] == 327 ? 'q' : '.';
            return true;
        });
        for (const QString& pezzo : pezzi.split('|')) {
            std::vector<qint16> campioni;
            for (QChar c : pezzo)
                campioni.push_back(campione(c));
            QVERIFY(suono.Aggiungi(campioni.data(), int(campioni.size())));
        }
        QVERIFY(suono.Fine());
        QCOMPARE(uscito, dati);
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
