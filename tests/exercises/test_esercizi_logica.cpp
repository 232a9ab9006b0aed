#include "clockface/DisposizioneQuadrante.h"
#include "exercises/Contatori.h"
#include "exercises/Giudizio.h"

#include <QTest>
#include <cmath>

namespace {

using Tempo = std::pair<int, int>;

// Every question the screen can ask under `modoOre`, with the time it asks;
// under 24 hours those at 12 and 24 also with the other reading of their sentence.
QList<std::pair<Domanda, Tempo>> TutteLeDomande(const RigaEsercizio& riga, int modoOre) {
    const int passo = QList{60, 30, 15, 5}[int(riga.livello)];
    QList<std::pair<Domanda, Tempo>> tutte;
    for (int h = 1; h <= modoOre; ++h) {
        for (int m = 0; m < 60; m += passo) {
            Domanda d;
            d.OraDomanda = qint16(h);
            d.QuartoDomanda = qint16(m / 15);
            d.MinutiDomanda = qint16(m);
            // h o'clock is 2h half hours, half past h 2h + 1, half past ModoOre 1
            d.MezzeOreDomanda = qint16(h == modoOre && m ? 1 : 2 * h + m / 30);
            tutte << std::pair{d, Tempo{h, m}};
            d.OraAlternativa = qint16(36 - h);
            if (modoOre == 24 && h % 12 == 0)
                tutte << std::pair{d, Tempo{h, m}};
        }
    }
    return tutte;
}

} // namespace

class TestEserciziLogica : public QObject {
    Q_OBJECT
private slots:
    // Every question each screen can ask, judged against every answer, under
    // each convention the menu opens it with.
    void giudizio_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        const QStringList maiAperte = {"frmRuota5, 24h", "frmRuota9, 24h", "frmRuota5a, 12h",
                                       "frmRuota9a, 12h"};
        for (Schermata s : TutteLeSchermate())
            for (int modo : {12, 24})
                if (const QString n = NomeSchermata(s) + QString(", %1h").arg(modo);
                    !maiAperte.contains(n))
                    QTest::newRow(qPrintable(n)) << s << modo;
    }
    void giudizio() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        const RigaEsercizio& riga = Riga(schermata);
        const int dodici = IndiceDelDodici(riga.disposizione);
        using T = EsitoClic::Tipo;
        QStringList sbagliati;
        for (const auto& [d, tempo] : TutteLeDomande(riga, modoOre)) {
            const auto [h, m] = tempo;
            const auto sbaglia = [&](int fase, int risposta) {
                sbagliati << QString::asprintf("asked %d:%02d (other hour %d), phase %d, answer %d",
                                               h, m, d.OraAlternativa, fase, risposta);
            };
            // A click on every target for each hand due: right only where the red
            // hand points at the hour (on 24 targets the mark after it once past
            // the hour), or the blue at the minutes; target 0 is the "12".
            const int mani = riga.stile == StileRisposta::Clic ? 1 + riga.dueLancette : 0;
            const bool ventiquattro = PosizioniQuadrante(riga.disposizione) == 24;
            for (int fase = 0; fase < mani; ++fase) {
                const int rosso = ventiquattro ? 2 * (h % 12) + (m > 0) : h % 12;
                const int k = fase == 1 ? 2 * m / 5 : rosso;
                const EsitoClic giusto =
                    fase == 1 ? EsitoClic{T::LancettaBlu, 6.0 * m, true}
                              : EsitoClic{T::LancettaRossa, 30.0 * h + m / 2.0, !riga.dueLancette};
                for (const EtichettaQuadrante& e : EtichetteQuadrante(riga.disposizione)) {
                    const EsitoClic esito = GiudicaClic(riga, d, fase, e.indice);
                    const bool giustoQui = e.indice == (k != 0 ? k : dodici);
                    const EsitoClic atteso = giustoQui ? giusto : EsitoClic{};
                    if (esito.tipo != atteso.tipo || esito.completa != atteso.completa ||
                        std::abs(std::remainder(esito.gradi - atteso.gradi, 360)) > 1e-9)
                        sbaglia(fase, e.indice);
                }
            }
            // "Conferma" on every setting of the bars: right exactly at the asked
            // time, or at the other reading of its sentence; 1 does not answer 13.
            const int passi = qMax(riga.passiPerOra, 1);
            for (int ora = 0; riga.stile == StileRisposta::Frecce && ora <= modoOre; ++ora) {
                for (int passo = 0; passo < passi; ++passo) {
                    // hour 0 is no time, but 0 and a half is half past ModoOre
                    const int h0 = ora == 0 && passi == 2 && passo == 1 ? modoOre : ora;
                    const Tempo impostato{h0, passo * 60 / passi};
                    const Tempo altra{d.OraAlternativa, m};
                    const bool giusto =
                        impostato == tempo || (d.OraAlternativa != 0 && impostato == altra);
                    if (GiudicaConferma(riga, d, qint16(modoOre), ora, passo) != giusto)
                        sbaglia(0, ora * 100 + impostato.second);
                }
            }
        }
        QVERIFY2(sbagliati.isEmpty(), qPrintable(sbagliati.mid(0, 5).join("; ")));
    }

    // The counts are 16-bit: they stop at 32767 instead of turning negative.
    void contatoriSiFermanoAlMassimo() {
        qint16 n = 32766;
        Aumenta(n);
        Aumenta(n);
        QCOMPARE(n, qint16(32767));
    }
};

QTEST_GUILESS_MAIN(TestEserciziLogica)
#include "test_esercizi_logica.moc"
