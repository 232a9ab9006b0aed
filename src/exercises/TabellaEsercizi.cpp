#include "exercises/TabellaEsercizi.h"

namespace {

QList<RigaEsercizio> CostruisciTabella() {
    using S = Schermata;
    using D = DisposizioneQuadrante;
    using L = Livello;
    using M = MomentoTesto;
    using P = PassoAttivazione;
    const StileRisposta clic = StileRisposta::Clic;
    const StileRisposta frecce = StileRisposta::Frecce;

    const QString unaLancetta = QString::fromUtf8(IstruzioneUnaLancetta);
    const QString dueLancette = QString::fromUtf8(IstruzioneDueLancette);
    const QString regola = QString::fromUtf8(IstruzioneFrecce);

    // The click screens all activate alike; frmRuota1 also starts a fresh
    // random sequence.
    const QList<P> attivaClic = {P::Posto,     P::Quadrante,  P::Voce,
                                 P::Contatori, P::Istruzione, P::Domanda};
    QList<P> attivaClicSeme = attivaClic;
    attivaClicSeme.insert(1, P::NuovoSeme);

    // Guide lines: red above, blue below, between the dial and the counters.
    const Segmento rossa5{720, 6720, 4560, 6720}, blu5{600, 6840, 6240, 6840};
    const Segmento rossa9{1680, 6720, 5520, 6720}, blu9{1200, 6840, 6840, 6840};

    // The two-hand click screens differ in their dial, colour, questions
    // and guide lines only; the rest is filled in here.
    const auto dueLancetteClic = [&](RigaEsercizio r, Segmento rossa, Segmento blu) {
        r.stile = clic;
        r.dueLancette = true;
        r.istruzione = dueLancette;
        r.istruzioneInFrase = true;
        r.puliscePerDomanda = true;
        r.lineaRossa = rossa;
        r.lineaBlu = blu;
        r.attivazione = attivaClic;
        return r;
    };

    return {
        // Click screens.
        {.schermata = S::Ruota1,
         .nome = "frmRuota1",
         .stile = clic,
         .disposizione = D::A,
         .sfondo = 0xC0FFFF,
         .livello = L::OreIntere,
         .momento = M::PrimaDiParlare,
         .istruzione = unaLancetta,
         .puliscePerDomanda = true,
         .riascoltaRiscrive = true,
         .attivazione = attivaClicSeme},
        {.schermata = S::Ruota3,
         .nome = "frmRuota3",
         .stile = clic,
         .disposizione = D::B,
         .sfondo = 0xFFFFC0,
         .livello = L::MezzeOre,
         .momento = M::PrimaDiParlare,
         .istruzione = unaLancetta,
         .puliscePerDomanda = true,
         .attivazione = attivaClic},
        dueLancetteClic({.schermata = S::Ruota5,
                         .nome = "frmRuota5",
                         .disposizione = D::B,
                         .sfondo = 0xC0C0FF,
                         .livello = L::MezzeOre,
                         .momento = M::PrimaDiParlare},
                        rossa5, blu5),
        dueLancetteClic({.schermata = S::Ruota5a,
                         .nome = "frmRuota5a",
                         .disposizione = D::B,
                         .sfondo = 0xC0C0FF,
                         .livello = L::MezzeOre,
                         .aTrenta = true,
                         .momento = M::PrimaDiParlare},
                        rossa5, blu5),
        dueLancetteClic({.schermata = S::Ruota7,
                         .nome = "frmRuota7",
                         .disposizione = D::C24,
                         .sfondo = 0x00FFFF,
                         .livello = L::Quarti,
                         .momento = M::DopoAverParlato},
                        rossa5, blu5),
        dueLancetteClic({.schermata = S::Ruota9,
                         .nome = "frmRuota9",
                         .disposizione = D::C9,
                         .sfondo = 0xC0C0FF,
                         .livello = L::CinqueMinuti,
                         .oreFisse = 12,
                         .momento = M::DopoAverParlato},
                        rossa9, blu9),
        dueLancetteClic({.schermata = S::Ruota9a,
                         .nome = "frmRuota9a",
                         .disposizione = D::C9,
                         .sfondo = 0xC0C0FF,
                         .livello = L::CinqueMinuti,
                         .oreFisse = 24,
                         .momento = M::DopoAverParlato},
                        rossa9, blu9),

        // Arrow screens: each activates in its own order.
        {.schermata = S::Ruota2,
         .nome = "frmRuota2",
         .stile = frecce,
         .disposizione = D::A,
         .sfondo = 0xC0E0FF,
         .livello = L::OreIntere,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Contatori, P::Voce, P::TestoIniziale, P::Quadrante,
                         P::Istruzione, P::LancetteIniziali, P::Domanda},
         .barraOre = {7320, 960, 1695, 375}},
        {.schermata = S::Ruota4,
         .nome = "frmRuota4",
         .stile = frecce,
         .disposizione = D::B,
         .sfondo = 0xFFC0FF,
         .livello = L::MezzeOre,
         .istruzione = regola,
         .puliscePerDomanda = true,
         .attivazione = {P::Posto, P::Contatori, P::Voce, P::TestoIniziale, P::Quadrante,
                         P::Istruzione, P::Domanda},
         .passiPerOra = 2,
         .oraPrimaDeiMinuti = true,
         .barraOre = {7200, 1080, 1575, 255},
         .barraMinuti = {7320, 1440, 1335, 255}},
        {.schermata = S::Ruota6,
         .nome = "frmRuota6",
         .stile = frecce,
         .dueLancette = true,
         .disposizione = D::B0,
         .sfondo = 0xFFFFC0,
         .livello = L::MezzeOre,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Quadrante, P::Voce, P::LancetteIniziali, P::Contatori,
                         P::TestoIniziale, P::Istruzione, P::Domanda},
         .passiPerOra = 2,
         .barraOre = {7080, 960, 1695, 375},
         .barraMinuti = {7200, 1440, 1335, 375}},
        {.schermata = S::Ruota8,
         .nome = "frmRuota8",
         .stile = frecce,
         .dueLancette = true,
         .disposizione = D::C24,
         .sfondo = 0xFFC0FF,
         .livello = L::Quarti,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Quadrante, P::LancetteIniziali, P::Contatori,
                         P::TestoIniziale, P::Istruzione, P::OraUno, P::Voce, P::Domanda},
         .passiPerOra = 4,
         .barraOre = {7080, 1080, 1695, 375},
         .barraMinuti = {7080, 1560, 1695, 375}},
        {.schermata = S::Ruota10,
         .nome = "frmRuota10",
         .stile = frecce,
         .dueLancette = true,
         .disposizione = D::C0,
         .sfondo = 0x80C0FF,
         .livello = L::CinqueMinuti,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Quadrante, P::Voce, P::LancetteIniziali, P::Contatori,
                         P::TestoIniziale, P::Istruzione, P::OraUno, P::Domanda},
         .passiPerOra = 12,
         .barraOre = {7200, 960, 1695, 375},
         .barraMinuti = {7320, 1440, 1335, 375}},
    };
}

const QList<RigaEsercizio>& Tabella() {
    static const QList<RigaEsercizio> tabella = CostruisciTabella();
    return tabella;
}

} // namespace

const RigaEsercizio& Riga(Schermata schermata) {
    for (const RigaEsercizio& r : Tabella()) {
        if (r.schermata == schermata)
            return r;
    }
    Q_UNREACHABLE();
}

QString NomeSchermata(Schermata schermata) {
    return QString::fromLatin1(Riga(schermata).nome);
}

const QList<Schermata>& TutteLeSchermate() {
    static const QList<Schermata> tutte = [] {
        QList<Schermata> s;
        for (const RigaEsercizio& r : Tabella())
            s << r.schermata;
        return s;
    }();
    return tutte;
}
