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
    // Every question each screen can ask, judged against every answer.
    void giudizio_data() {
        QTest::addColumn<Schermata>("schermata");
        QTest::addColumn<int>("modoOre");
        // the menu opens frmRuota5 and 9 under 12 hours only, 5a and 9a under 24
        const QStringList solo12 = {"frmRuota5", "frmRuota9"};
        for (Schermata s : TutteLeSchermate())
            for (int modo : {12, 24})
                if (const QString n = NomeSchermata(s);
                    n.endsWith('a') ? modo == 24 : modo == 12 || !solo12.contains(n))
                    QTest::addRow("%s, %dh", qPrintable(n), modo) << s << modo;
    }
    void giudizio() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        const RigaEsercizio& riga = Riga(schermata);
        const auto indice = [&](int k) { return k ? k : IndiceDelDodici(riga.disposizione); };
        const bool dodici = PosizioniQuadrante(riga.disposizione) == 12;
        const int passi = qMax(riga.passiPerOra, 1);
        const bool clic = riga.stile == StileRisposta::Clic;
        using T = EsitoClic::Tipo;
        QStringList sbagliati;
        for (const auto& [d, tempo] : TutteLeDomande(riga, modoOre)) {
            const auto [h, m] = tempo;
            const auto sbaglia = [&](int fase, int risposta) {
                sbagliati << QString::asprintf("asked %d:%02d (other hour %d), phase %d, answer %d",
                                               h, m, d.OraAlternativa, fase, risposta);
            };
            // Clicks on every target: red right only on the hour (or the target
            // after it, past the hour), blue where the minutes point.
            for (int fase = 0; clic && fase <= riga.dueLancette; ++fase) {
                const int k = fase ? 2 * m / 5 : dodici ? h % 12 : 2 * (h % 12) + (m > 0);
                const EsitoClic giusto{fase ? T::LancettaBlu : T::LancettaRossa,
                                       fase ? 6.0 * m : 30.0 * h + m / 2.0,
                                       fase || !riga.dueLancette};
                for (const EtichettaQuadrante& e : EtichetteQuadrante(riga.disposizione)) {
                    const EsitoClic esito = GiudicaClic(riga, d, fase, e.indice);
                    const EsitoClic atteso = e.indice == indice(k) ? giusto : EsitoClic{};
                    if (esito.tipo != atteso.tipo || esito.completa != atteso.completa ||
                        std::abs(std::remainder(esito.gradi - atteso.gradi, 360)) > 1e-9)
                        sbaglia(fase, e.indice);
                }
            }
            // "Conferma" on every setting of the bars: right exactly at the asked
            // time (or the other reading of its sentence); 1 does not answer
            // 13; hour 0 is no time, but with the half hour half past ModoOre.
            for (int ora = 0; !clic && ora <= modoOre; ++ora) {
                for (int passo = 0; passo < passi; ++passo) {
                    const Tempo impostato{ora == 0 && passi == 2 && passo ? modoOre : ora,
                                          passo * 60 / passi};
                    const bool giusto =
                        impostato == tempo ||
                        (d.OraAlternativa && impostato == Tempo{d.OraAlternativa, m});
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
