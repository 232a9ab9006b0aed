#include "clockface/DisposizioneQuadrante.h"
#include "exercises/Contatori.h"
#include "exercises/Giudizio.h"

#include <QRegularExpression>
#include <QTest>
#include <cmath>

namespace {

// A time as the child sets it on the clock: hour 1..ModoOre, minutes.
struct Tempo {
    int ora, minuti;
    bool operator==(const Tempo&) const = default;
};
struct Chiesta {
    Domanda domanda;
    Tempo tempo;
};

// Every question the screen can ask under `modoOre`, with the time it asks.
// Under 24 hours the questions at 12 and 24 also come with the other reading
// of their sentence.
QList<Chiesta> TutteLeDomande(const RigaEsercizio& riga, int modoOre) {
    // the minutes between two questions, in the order of VariabileGiudicata
    const int passo = QList{60, 30, 15, 5}[int(riga.giudicata)];
    QList<Chiesta> tutte;
    for (int h = 1; h <= modoOre; ++h) {
        for (int m = 0; m < 60; m += passo) {
            Domanda d;
            d.OraDomanda = qint16(h);
            d.QuartoDomanda = qint16(m / 15);
            d.MinutiDomanda = qint16(m);
            // h o'clock is 2h half hours, half past h 2h + 1, half past ModoOre 1
            d.MezzeOreDomanda = qint16(h == modoOre && m ? 1 : 2 * h + m / 30);
            tutte << Chiesta{d, {h, m}};
            d.OraAlternativa = qint16(36 - h);
            if (modoOre == 24 && h % 12 == 0)
                tutte << Chiesta{d, {h, m}};
        }
    }
    return tutte;
}

QString Caso(const Chiesta& c, int fase, int risposta) {
    return QString::asprintf("asked %d:%02d (other hour %d), phase %d, answer %d", c.tempo.ora,
                             c.tempo.minuti, c.domanda.OraAlternativa, fase, risposta);
}

void Righe(StileRisposta stile) {
    QTest::addColumn<Schermata>("schermata");
    QTest::addColumn<int>("modoOre");
    // the menu opens frmRuota5 and 9 under 12 hours only, 5a and 9a under 24
    for (Schermata s : TutteLeSchermate())
        for (int modo : {12, 24})
            if (const QString n = NomeSchermata(s);
                Riga(s).stile == stile &&
                (n.endsWith('a') ? modo == 24
                                 : modo == 12 || !n.contains(QRegularExpression("[59]$"))))
                QTest::addRow("%s, %dh", qPrintable(n), modo) << s << modo;
}

} // namespace

class TestEserciziLogica : public QObject {
    Q_OBJECT
private slots:
    // Every question against every target of the screen's own dial: the red
    // hand is right only on the hour's number (o'clock) or the target just
    // after it (past the hour), the blue one only where the minutes point,
    // and a right hand is drawn pointing at the asked time.
    void clic_data() { Righe(StileRisposta::Clic); }
    void clic() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        const RigaEsercizio& riga = Riga(schermata);
        const auto indice = [&](int k) { return k ? k : IndiceDelDodici(riga.disposizione); };
        const bool dodici = PosizioniQuadrante(riga.disposizione) == 12;
        QStringList sbagliati;
        for (const Chiesta& c : TutteLeDomande(riga, modoOre)) {
            const int h = c.tempo.ora % 12, m = c.tempo.minuti;
            const double gradiOre = 30.0 * c.tempo.ora + m / 2.0;
            for (const EtichettaQuadrante& e : EtichetteQuadrante(riga.disposizione)) {
                for (int fase = 0; fase <= int(riga.dueLancette); ++fase) {
                    const EsitoClic esito = GiudicaClic(riga, c.domanda, fase, e.indice);
                    const int giusto =
                        fase ? indice(2 * m / 5) : indice(dodici ? h : 2 * h + (m > 0));
                    using T = EsitoClic::Tipo;
                    const T tipo = e.indice != giusto ? T::Sbagliato
                                   : fase             ? T::LancettaBlu
                                                      : T::LancettaRossa;
                    const double scarto =
                        std::remainder(esito.gradi - (fase ? 6.0 * m : gradiOre), 360);
                    if (esito.tipo != tipo ||
                        (tipo != T::Sbagliato && (std::abs(scarto) > 1e-9 ||
                                                  esito.completa != (fase || !riga.dueLancette))))
                        sbagliati << Caso(c, fase, e.indice);
                }
            }
        }
        QVERIFY2(sbagliati.isEmpty(), qPrintable(sbagliati.mid(0, 5).join("; ")));
    }

    // "Conferma" against every setting of the bars: right exactly when the
    // bars show the asked time (or the other reading of its sentence). The
    // hour is compared as set: 1 does not answer 13. A fresh screen's hour 0
    // is no time, except that with the half hour set it reads as half past
    // ModoOre.
    void conferma_data() { Righe(StileRisposta::Frecce); }
    void conferma() {
        QFETCH(Schermata, schermata);
        QFETCH(int, modoOre);
        const RigaEsercizio& riga = Riga(schermata);
        const int passi = qMax(riga.passiPerOra, 1);
        QStringList sbagliati;
        for (const Chiesta& c : TutteLeDomande(riga, modoOre)) {
            const Tempo altra{c.domanda.OraAlternativa, c.tempo.minuti};
            for (int ora = 0; ora <= modoOre; ++ora) {
                for (int passo = 0; passo < passi; ++passo) {
                    const int m = passo * 60 / passi;
                    const Tempo impostato{ora ? ora : passi == 2 && passo ? modoOre : -1, m};
                    const bool giusto = impostato == c.tempo ||
                                        (c.domanda.OraAlternativa != 0 && impostato == altra);
                    if (GiudicaConferma(riga, c.domanda, qint16(modoOre), ora, passo) != giusto)
                        sbagliati << Caso(c, 0, ora * 100 + m);
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
