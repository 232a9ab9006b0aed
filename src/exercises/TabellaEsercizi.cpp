#include "exercises/TabellaEsercizi.h"

namespace {

QList<RigaEsercizio> CostruisciTabella() {
    using S = Schermata;
    using D = DisposizioneQuadrante;
    using V = VariabileGiudicata;
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

    // The two-hand click screens differ in their dial, colour, judged
    // variables and guide lines only.
    const auto dueLancetteClic = [&](S schermata, D disposizione, quint32 sfondo, V giudicata,
                                     Segmento rossa, Segmento blu) {
        return RigaEsercizio{.schermata = schermata,
                             .stile = clic,
                             .dueLancette = true,
                             .disposizione = disposizione,
                             .sfondo = sfondo,
                             .giudicata = giudicata,
                             .istruzione = dueLancette,
                             .istruzioneInFrase = true,
                             .puliscePerDomanda = true,
                             .linea1 = rossa,
                             .linea2 = blu,
                             .attivazione = attivaClic};
    };

    return {
        // Click screens.
        {.schermata = S::Ruota1,
         .stile = clic,
         .disposizione = D::A,
         .sfondo = 0xFFFFC0,
         .giudicata = V::Ora,
         .istruzione = unaLancetta,
         .puliscePerDomanda = true,
         .riascoltaRiscrive = true,
         .attivazione = attivaClicSeme},
        {.schermata = S::Ruota3,
         .stile = clic,
         .disposizione = D::B,
         .sfondo = 0xC0FFFF,
         .giudicata = V::MezzeOre,
         .istruzione = unaLancetta,
         .puliscePerDomanda = true,
         .attivazione = attivaClic},
        dueLancetteClic(S::Ruota5, D::B, 0xFFC0C0, V::MezzeOre, rossa5, blu5),
        dueLancetteClic(S::Ruota5a, D::B, 0xFFC0C0, V::MezzeOre, rossa5, blu5),
        dueLancetteClic(S::Ruota7, D::C24, 0xFFFF00, V::OraEQuarto, rossa5, blu5),
        dueLancetteClic(S::Ruota9, D::C9, 0xFFC0C0, V::OraEMinuti, rossa9, blu9),
        dueLancetteClic(S::Ruota9a, D::C9, 0xFFC0C0, V::OraEMinuti, rossa9, blu9),

        // Arrow screens: each activates in its own order.
        {.schermata = S::Ruota2,
         .stile = frecce,
         .disposizione = D::A,
         .sfondo = 0xFFE0C0,
         .giudicata = V::Ora,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Contatori, P::Voce, P::TestoIniziale, P::Quadrante,
                         P::Istruzione, P::LancetteIniziali, P::Domanda},
         .vScroll1 = {7320, 960, 1695, 375}},
        {.schermata = S::Ruota4,
         .stile = frecce,
         .disposizione = D::B,
         .sfondo = 0xFFC0FF,
         .giudicata = V::MezzeOre,
         .istruzione = regola,
         .puliscePerDomanda = true,
         .attivazione = {P::Posto, P::Contatori, P::Voce, P::TestoIniziale, P::Quadrante,
                         P::Istruzione, P::Domanda},
         .passiPerOra = 2,
         .oraPrimaDeiMinuti = true,
         .vScroll1 = {7200, 1080, 1575, 255},
         .vScroll2 = {7320, 1440, 1335, 255}},
        {.schermata = S::Ruota6,
         .stile = frecce,
         .dueLancette = true,
         .disposizione = D::B0,
         .sfondo = 0xC0FFFF,
         .giudicata = V::MezzeOre,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Quadrante, P::Voce, P::LancetteIniziali, P::Contatori,
                         P::TestoIniziale, P::Istruzione, P::Domanda},
         .passiPerOra = 2,
         .vScroll1 = {7080, 960, 1695, 375},
         .vScroll2 = {7200, 1440, 1335, 375}},
        {.schermata = S::Ruota8,
         .stile = frecce,
         .dueLancette = true,
         .disposizione = D::C24,
         .sfondo = 0xFFC0FF,
         .giudicata = V::OraEQuarto,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Quadrante, P::LancetteIniziali, P::Contatori,
                         P::TestoIniziale, P::Istruzione, P::OraUno, P::Voce, P::Domanda},
         .passiPerOra = 4,
         .vScroll1 = {7080, 1080, 1695, 375},
         .vScroll2 = {7080, 1560, 1695, 375}},
        {.schermata = S::Ruota10,
         .stile = frecce,
         .dueLancette = true,
         .disposizione = D::C0,
         .sfondo = 0xFFC080,
         .giudicata = V::OraEMinuti,
         .istruzione = regola,
         .attivazione = {P::Posto, P::Quadrante, P::Voce, P::LancetteIniziali, P::Contatori,
                         P::TestoIniziale, P::Istruzione, P::OraUno, P::Domanda},
         .passiPerOra = 12,
         .vScroll1 = {7200, 960, 1695, 375},
         .vScroll2 = {7320, 1440, 1335, 375}},
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

const QList<Schermata>& TutteLeSchermate() {
    static const QList<Schermata> tutte = [] {
        QList<Schermata> s;
        for (const RigaEsercizio& r : Tabella())
            s << r.schermata;
        return s;
    }();
    return tutte;
}
