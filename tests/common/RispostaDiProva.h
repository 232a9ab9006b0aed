#pragma once

#include "clockface/Quadrante.h"
#include "exercises/Giudizio.h"
#include "exercises/SchermataEsercizio.h"

#include <QScrollBar>
#include <QTest>

// The time an exercise screen asks, in hours and minutes, read from its
// question here (half past ModoOre, asked as 1, gives hour 0).
struct Orario {
    int ore, minuti;
};
inline Orario OrarioChiesto(const SchermataEsercizio& e) {
    const Domanda& d = e.DomandaCorrente();
    const Livello v = Riga(e.Quale()).livello;
    if (v == Livello::MezzeOre)
        return {d.MezzeOreDomanda / 2, d.MezzeOreDomanda % 2 * 30};
    return {d.OraDomanda, v == Livello::Quarti ? d.QuartoDomanda * 15 : d.MinutiDomanda};
}

// One answer to the question on `e`, as a child gives it: the bars set to
// the asked time (or an hour later) and "Conferma"; or a click on the dial
// target the judging rules name for the hand due (or on one they do not).
inline void Rispondi(SchermataEsercizio& e, qint16 modoOre, bool giusta) {
    const RigaEsercizio& riga = Riga(e.Quale());
    const Domanda& d = e.DomandaCorrente();
    if (QScrollBar* ore = e.vScroll1()) {
        const Orario o = OrarioChiesto(e);
        if (auto* minuti = e.findChild<QScrollBar*>("vScroll2"))
            minuti->setValue(o.minuti * riga.passiPerOra / 60);
        const int h = o.ore == 0 ? modoOre : o.ore;
        ore->setValue(giusta ? h : h % modoOre + 1);
        return QTest::mouseClick(e.findChild<QWidget*>("Command1"), Qt::LeftButton);
    }
    const int bersaglio = riga.dueLancette && e.FaseLancetta() ? BersaglioBlu(riga, d)
                                                               : BersaglioRosso(riga.livello, d);
    QTest::mouseClick(
        e.findChild<Quadrante*>()->Label1(giusta ? bersaglio : (bersaglio + 5) % 12 + 1),
        Qt::LeftButton);
}

// The whole right answer: on the two-hand click screens, both hands.
inline void RispostaCompleta(SchermataEsercizio& e, qint16 modoOre) {
    Rispondi(e, modoOre, true);
    if (Riga(e.Quale()).dueLancette && !e.vScroll1())
        Rispondi(e, modoOre, true);
}
