#include "exercises/Contatori.h"
#include "exercises/Frecce.h"
#include "exercises/Giudizio.h"
#include "exercises/TabellaEsercizi.h"

#include <QTest>

namespace {

Domanda Chiesta(int ora, int mezzeOre, int quarto, int minuti, int alternativa = 0) {
    Domanda d;
    d.OraDomanda = qint16(ora);
    d.MezzeOreDomanda = qint16(mezzeOre);
    d.QuartoDomanda = qint16(quarto);
    d.MinutiDomanda = qint16(minuti);
    d.OraAlternativa = qint16(alternativa);
    return d;
}

// The indices the screen's dial offers as targets.
QList<int> IndiciDelQuadrante(DisposizioneQuadrante d) {
    QList<int> indici;
    // the "12" is the last index on A, B and C24, index 0 on the others
    const bool dodiciInCima = d == DisposizioneQuadrante::A || d == DisposizioneQuadrante::B ||
                              d == DisposizioneQuadrante::C24;
    const int primo = dodiciInCima ? 1 : 0;
    const int ultimo = d == DisposizioneQuadrante::A ? 12 : primo + 23;
    for (int i = primo; i <= ultimo; ++i)
        indici << i;
    return indici;
}

// Every question a click screen can ask under `modoOre`.
QList<Domanda> TutteLeDomande(const RigaEsercizio& riga, int modoOre) {
    QList<Domanda> tutte;
    const int oreMassime = riga.schermata == Schermata::Ruota9 ? 12 : modoOre;
    switch (riga.giudicata) {
    case VariabileGiudicata::Ora:
        for (int h = 1; h <= oreMassime; ++h)
            tutte << Chiesta(h, 0, 0, 0);
        break;
    case VariabileGiudicata::MezzeOre:
        for (int n = 1; n <= 2 * modoOre; ++n)
            tutte << Chiesta(0, n, 0, 0);
        break;
    case VariabileGiudicata::OraEQuarto:
        for (int h = 1; h <= oreMassime; ++h)
            for (int q = 0; q < 4; ++q)
                tutte << Chiesta(h, 0, q, 0);
        break;
    case VariabileGiudicata::OraEMinuti:
        for (int h = 1; h <= oreMassime; ++h)
            for (int m = 0; m < 60; m += 5)
                tutte << Chiesta(h, 0, 0, m);
        break;
    }
    return tutte;
}

} // namespace

class TestEserciziLogica : public QObject {
    Q_OBJECT
private slots:
    // Right targets of the click screens, with the angle of the red hand.
    void bersagli_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("ora");
        QTest::addColumn<int>("mezzeOre");
        QTest::addColumn<int>("quarto");
        QTest::addColumn<int>("minuti");
        QTest::addColumn<int>("rosso");
        QTest::addColumn<double>("gradiRosso");
        QTest::addColumn<int>("blu");
        using S = Schermata;
        // whole hours, one hand: the hour reduced to the dial
        QTest::newRow("frmRuota1 15 o'clock on the 3")
            << S::Ruota1 << 15 << 0 << 0 << 0 << 3 << 90.0 << -1;
        QTest::newRow("frmRuota1 24 on the 12")
            << S::Ruota1 << 24 << 0 << 0 << 0 << 12 << 360.0 << -1;
        QTest::newRow("frmRuota1 12 on the 12")
            << S::Ruota1 << 12 << 0 << 0 << 0 << 12 << 360.0 << -1;
        QTest::newRow("frmRuota1 13 on the 1") << S::Ruota1 << 13 << 0 << 0 << 0 << 1 << 30.0 << -1;
        // half hours, one hand
        QTest::newRow("frmRuota3 half past three on index 7")
            << S::Ruota3 << 0 << 7 << 0 << 0 << 7 << 105.0 << -1;
        QTest::newRow("frmRuota3 half past 12 on index 1")
            << S::Ruota3 << 0 << 1 << 0 << 0 << 1 << 15.0 << -1;
        QTest::newRow("frmRuota3 24 o'clock on the 12")
            << S::Ruota3 << 0 << 48 << 0 << 0 << 24 << 360.0 << -1;
        QTest::newRow("frmRuota3 half past 12, 24h, on index 1")
            << S::Ruota3 << 0 << 25 << 0 << 0 << 1 << 15.0 << -1;
        // half hours, two hands: blue on the 12 or the 6
        QTest::newRow("frmRuota5 half past twelve")
            << S::Ruota5 << 0 << 1 << 0 << 0 << 1 << 15.0 << 12;
        QTest::newRow("frmRuota5 12 o'clock")
            << S::Ruota5 << 0 << 24 << 0 << 0 << 24 << 360.0 << 24;
        QTest::newRow("frmRuota5 7 o'clock") << S::Ruota5 << 0 << 14 << 0 << 0 << 14 << 210.0 << 24;
        QTest::newRow("frmRuota5a 24 o'clock")
            << S::Ruota5a << 0 << 48 << 0 << 0 << 24 << 360.0 << 24;
        QTest::newRow("frmRuota5a half past 13")
            << S::Ruota5a << 0 << 27 << 0 << 0 << 3 << 45.0 << 12;
        QTest::newRow("frmRuota5a half past 24")
            << S::Ruota5a << 0 << 1 << 0 << 0 << 1 << 15.0 << 12;
        // quarters: the red hand drawn at the asked time, unreduced
        QTest::newRow("frmRuota7 quarter past 12")
            << S::Ruota7 << 12 << 0 << 1 << 0 << 1 << 367.5 << 6;
        QTest::newRow("frmRuota7 quarter past 24")
            << S::Ruota7 << 24 << 0 << 1 << 0 << 1 << 727.5 << 6;
        QTest::newRow("frmRuota7 3 o'clock, blue on the 12")
            << S::Ruota7 << 3 << 0 << 0 << 0 << 6 << 90.0 << 24;
        QTest::newRow("frmRuota7 12 o'clock on index 24")
            << S::Ruota7 << 12 << 0 << 0 << 0 << 24 << 360.0 << 24;
        QTest::newRow("frmRuota7 11 and three quarters")
            << S::Ruota7 << 11 << 0 << 3 << 0 << 23 << 352.5 << 18;
        QTest::newRow("frmRuota7 half past 15")
            << S::Ruota7 << 15 << 0 << 2 << 0 << 7 << 465.0 << 12;
        // five minutes: the "12" is index 0
        QTest::newRow("frmRuota9 25 past 3") << S::Ruota9 << 3 << 0 << 0 << 25 << 7 << 102.5 << 10;
        QTest::newRow("frmRuota9 12 o'clock on index 0")
            << S::Ruota9 << 12 << 0 << 0 << 0 << 0 << 360.0 << 0;
        QTest::newRow("frmRuota9 12 and 55") << S::Ruota9 << 12 << 0 << 0 << 55 << 1 << 387.5 << 22;
        QTest::newRow("frmRuota9 11 and 5") << S::Ruota9 << 11 << 0 << 0 << 5 << 23 << 332.5 << 2;
        QTest::newRow("frmRuota9a 24 : 00") << S::Ruota9a << 24 << 0 << 0 << 0 << 0 << 720.0 << 0;
        QTest::newRow("frmRuota9a 12 : 00") << S::Ruota9a << 12 << 0 << 0 << 0 << 0 << 360.0 << 0;
        QTest::newRow("frmRuota9a 23 : 30")
            << S::Ruota9a << 23 << 0 << 0 << 30 << 23 << 705.0 << 12;
        QTest::newRow("frmRuota9a 13 : 45") << S::Ruota9a << 13 << 0 << 0 << 45 << 3 << 412.5 << 18;
    }
    void bersagli() {
        QFETCH(Schermata, schermata);
        QFETCH(int, ora);
        QFETCH(int, mezzeOre);
        QFETCH(int, quarto);
        QFETCH(int, minuti);
        QFETCH(int, rosso);
        QFETCH(double, gradiRosso);
        QFETCH(int, blu);
        const RigaEsercizio& riga = Riga(schermata);
        const Domanda d = Chiesta(ora, mezzeOre, quarto, minuti);
        QCOMPARE(BersaglioRosso(riga.giudicata, d), rosso);
        QCOMPARE(BersaglioBlu(riga, d), blu);

        const EsitoClic r = GiudicaClic(riga, d, 0, rosso);
        QCOMPARE(r.tipo, EsitoClic::Tipo::LancettaRossa);
        QCOMPARE(r.gradi, gradiRosso);
        QCOMPARE(r.completa, blu < 0); // one hand: the red click answers
        if (blu >= 0) {
            const EsitoClic b = GiudicaClic(riga, d, 1, blu);
            QCOMPARE(b.tipo, EsitoClic::Tipo::LancettaBlu);
            QCOMPARE(b.gradi, blu * 15.0);
            QVERIFY(b.completa);
        }
    }

    // Every question a click screen can ask has exactly one right target per
    // hand, and that target is on the screen's dial.
    void unBersaglioPerLancetta_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        for (Schermata s : TutteLeSchermate()) {
            if (Riga(s).stile != StileRisposta::Clic)
                continue;
            for (int modo : {12, 24}) {
                if ((s == Schermata::Ruota5 || s == Schermata::Ruota9) && modo == 24)
                    continue;
                if ((s == Schermata::Ruota5a || s == Schermata::Ruota9a) && modo == 12)
                    continue;
                QTest::addRow("%s, %dh", qPrintable(NomeSchermata(s)), modo) << s << modo;
            }
        }
    }
    void unBersaglioPerLancetta() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        const RigaEsercizio& riga = Riga(schermata);
        const QList<int> indici = IndiciDelQuadrante(riga.disposizione);
        for (const Domanda& d : TutteLeDomande(riga, modoOre)) {
            for (int fase : riga.dueLancette ? QList<int>{0, 1} : QList<int>{0}) {
                int giusti = 0;
                for (int i : indici)
                    giusti += GiudicaClic(riga, d, fase, i).tipo != EsitoClic::Tipo::Sbagliato;
                QVERIFY2(giusti == 1,
                         qPrintable(QStringLiteral("ora %1 mezze %2 quarto %3 minuti %4 fase %5")
                                        .arg(d.OraDomanda)
                                        .arg(d.MezzeOreDomanda)
                                        .arg(d.QuartoDomanda)
                                        .arg(d.MinutiDomanda)
                                        .arg(fase)));
            }
        }
    }

    // "Conferma": the cases the screens' own tests do not reach (the plain
    // question variables, and the other reading that must still match the
    // minutes).
    void conferma_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("ora");
        QTest::addColumn<int>("mezzeOre");
        QTest::addColumn<int>("quarto");
        QTest::addColumn<int>("minuti");
        QTest::addColumn<int>("alternativa");
        QTest::addColumn<int>("barraOre");
        QTest::addColumn<int>("barraMinuti");
        QTest::addColumn<bool>("giusto");
        using S = Schermata;
        QTest::newRow("1 : 00 does not answer 1")
            << S::Ruota4 << 12 << 0 << 1 << 0 << 0 << 0 << 1 << 0 << false;
        QTest::newRow("the other reading still wants the half hour")
            << S::Ruota6 << 24 << 0 << 25 << 0 << 0 << 24 << 24 << 0 << false;
        QTest::newRow("24 : 00 answers 48")
            << S::Ruota4 << 24 << 0 << 48 << 0 << 0 << 0 << 24 << 0 << true;
        QTest::newRow("12 : 00 does not answer 48")
            << S::Ruota4 << 24 << 0 << 48 << 0 << 0 << 0 << 12 << 0 << false;
        QTest::newRow("3 : 30 answers 7")
            << S::Ruota6 << 12 << 0 << 7 << 0 << 0 << 0 << 3 << 1 << true;
        QTest::newRow("3 : 00 does not answer 7")
            << S::Ruota6 << 12 << 0 << 7 << 0 << 0 << 0 << 3 << 0 << false;
        QTest::newRow("the other reading still wants the quarter")
            << S::Ruota8 << 24 << 12 << 0 << 3 << 0 << 24 << 24 << 2 << false;
        QTest::newRow("24 : 20 does not answer 12 : 20")
            << S::Ruota10 << 24 << 12 << 0 << 0 << 20 << 0 << 24 << 4 << false;
        QTest::newRow("12 : 55 does not answer 11 : 55")
            << S::Ruota10 << 12 << 11 << 0 << 0 << 55 << 0 << 12 << 11 << false;
    }
    void conferma() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        QFETCH(int, ora);
        QFETCH(int, mezzeOre);
        QFETCH(int, quarto);
        QFETCH(int, minuti);
        QFETCH(int, alternativa);
        QFETCH(int, barraOre);
        QFETCH(int, barraMinuti);
        QFETCH(bool, giusto);
        const Domanda d = Chiesta(ora, mezzeOre, quarto, minuti, alternativa);
        QCOMPARE(GiudicaConferma(Riga(schermata), d, qint16(modoOre), barraOre, barraMinuti),
                 giusto);
    }

    // The hours bar: only -1, 0 and the maximum are caught.
    void avvolgiOra_data() {
        QTest::addColumn<int>("valore");
        QTest::addColumn<int>("modoOre");
        QTest::addColumn<int>("atteso"); // -99: already a time
        QTest::newRow("past 12 to 1") << 13 << 12 << 1;
        QTest::newRow("past 24 to 1") << 25 << 24 << 1;
        QTest::newRow("0 to 12") << 0 << 12 << 12;
        QTest::newRow("-1 to 12") << -1 << 12 << 12;
        QTest::newRow("0 to 24") << 0 << 24 << 24;
        QTest::newRow("-1 to 24") << -1 << 24 << 24;
        QTest::newRow("13 is a time at 24h") << 13 << 24 << -99;
        QTest::newRow("12 is a time") << 12 << 12 << -99;
        QTest::newRow("1 is a time") << 1 << 12 << -99;
        QTest::newRow("a bar given 25 at 12h still wraps") << 25 << 12 << 1;
    }
    void avvolgiOra() {
        QFETCH(int, valore);
        QFETCH(int, modoOre);
        QFETCH(int, atteso);
        QCOMPARE(OraAvvolta(valore, modoOre).value_or(-99), atteso);
    }

    void avvolgiMinuti_data() {
        QTest::addColumn<int>("valore");
        QTest::addColumn<int>("passi");
        QTest::addColumn<bool>("avvolto");
        QTest::addColumn<int>("passo");
        QTest::addColumn<int>("deltaOra");
        QTest::newRow("half past plus half an hour") << 2 << 2 << true << 0 << 1;
        QTest::newRow("o'clock minus half an hour") << -1 << 2 << true << 1 << -1;
        QTest::newRow("three quarters plus a quarter") << 4 << 4 << true << 0 << 1;
        QTest::newRow("o'clock minus a quarter") << -1 << 4 << true << 3 << -1;
        QTest::newRow("55 plus 5") << 12 << 12 << true << 0 << 1;
        QTest::newRow("o'clock minus 5") << -1 << 12 << true << 11 << -1;
        QTest::newRow("55 stays") << 11 << 12 << false << 0 << 0;
        QTest::newRow("o'clock stays") << 0 << 12 << false << 0 << 0;
        QTest::newRow("half past stays") << 1 << 2 << false << 0 << 0;
    }
    void avvolgiMinuti() {
        QFETCH(int, valore);
        QFETCH(int, passi);
        QFETCH(bool, avvolto);
        QFETCH(int, passo);
        QFETCH(int, deltaOra);
        const auto r = MinutiAvvolti(valore, passi);
        QCOMPARE(r.has_value(), avvolto);
        if (r) {
            QCOMPARE(r->passo, passo);
            QCOMPARE(r->deltaOra, deltaOra);
        }
    }

    // The arrow screens' hands and digital time.
    void lancetteETesto_data() {
        QTest::addColumn<int>("ora");
        QTest::addColumn<int>("minuti");
        QTest::addColumn<double>("gradiOre");
        QTest::addColumn<double>("gradiMinuti");
        QTest::addColumn<QString>("testo");
        QTest::newRow("3 : 45, three quarters from 3 to 4")
            << 3 << 45 << 112.5 << 270.0 << "3 : 45";
        QTest::newRow("10 : 55") << 10 << 55 << 327.5 << 330.0 << "10 : 55";
        QTest::newRow("12 : 45 past 12") << 12 << 45 << 382.5 << 270.0 << "12 : 45";
        QTest::newRow("24 : 45 two turns on") << 24 << 45 << 742.5 << 270.0 << "24 : 45";
        QTest::newRow("fresh 0 : 00 points up") << 0 << 0 << 0.0 << 0.0 << "0 : 00";
        QTest::newRow("3 : 05 with two digits") << 3 << 5 << 92.5 << 30.0 << "3 : 05";
        QTest::newRow("3 : 30") << 3 << 30 << 105.0 << 180.0 << "3 : 30";
        QTest::newRow("17 : 00") << 17 << 0 << 510.0 << 0.0 << "17 : 00";
    }
    void lancetteETesto() {
        QFETCH(int, ora);
        QFETCH(int, minuti);
        QFETCH(double, gradiOre);
        QFETCH(double, gradiMinuti);
        QFETCH(QString, testo);
        QCOMPARE(GradiOre(ora, minuti), gradiOre);
        QCOMPARE(GradiMinuti(minuti), gradiMinuti);
        QCOMPARE(TestoOrario(ora, minuti), testo);
    }

    // The one hand rule agrees with each screen's own formula at every value.
    void formulaUnicaDelleLancette() {
        for (int h = -1; h <= 25; ++h) {
            for (int s = -1; s <= 2; ++s) {
                QCOMPARE(GradiOre(h, 30 * s), 15.0 * (2 * h + s));
                QCOMPARE(GradiMinuti(30 * s), 180.0 * s);
            }
            for (int q = -1; q <= 4; ++q)
                QCOMPARE(GradiOre(h, 15 * q), 7.5 * (4 * h + q));
            for (int k = -1; k <= 12; ++k)
                QCOMPARE(GradiOre(h, 5 * k), 30 * h + 2.5 * k);
        }
    }

    void tabellaCompleta() {
        QCOMPARE(TutteLeSchermate().size(), 12);
        for (Schermata s : TutteLeSchermate()) {
            const RigaEsercizio& r = Riga(s);
            QCOMPARE(r.schermata, s);
            QCOMPARE(r.attivazione.last(), PassoAttivazione::Domanda);
            QCOMPARE(r.attivazione.first(), PassoAttivazione::Posto);
            for (PassoAttivazione p : {PassoAttivazione::Quadrante, PassoAttivazione::Voce,
                                       PassoAttivazione::Contatori, PassoAttivazione::Istruzione})
                QCOMPARE(r.attivazione.count(p), 1);
            // the guide lines belong to the two-hand click screens
            const bool linee = r.stile == StileRisposta::Clic && r.dueLancette;
            QCOMPARE(!r.linea1.Vuoto(), linee);
            QCOMPARE(!r.linea2.Vuoto(), linee);
            // the arrow screens have an hours bar; a minutes bar when they have steps
            QCOMPARE(r.vScroll1.larghezza > 0, r.stile == StileRisposta::Frecce);
            QCOMPARE(r.vScroll2.larghezza > 0, r.passiPerOra > 0);
        }
    }

    void contatoriSiFermanoAlMassimo() {
        qint16 n = 32766;
        Aumenta(n);
        QCOMPARE(n, qint16(32767));
        Aumenta(n);
        QCOMPARE(n, qint16(32767));
        qint16 zero = 0;
        Aumenta(zero);
        QCOMPARE(zero, qint16(1));
    }
};

QTEST_GUILESS_MAIN(TestEserciziLogica)
#include "test_esercizi_logica.moc"
