#include "exercises/Giudizio.h"

namespace {

// The hour on a 12-hour dial where the "12" is index 0: 12 and 24 give 0.
int OraSulQuadrante0(int ora) {
    return ora % 12;
}

// The same dial with the "12" at the top of the count: 1..12.
int OraSulQuadrante12(int ora) {
    return ora > 12 ? ora - 12 : ora;
}

// Half hours counted on the 24 targets; half past ModoOre is asked as 1.
int MezzeOreImpostate(int ora, int passo, qint16 modoOre) {
    const int a = 2 * ora + passo;
    return a == 2 * modoOre + 1 ? 1 : a;
}

} // namespace

int BersaglioRosso(Livello livello, const Domanda& d) {
    switch (livello) {
    case Livello::OreIntere:
        return OraSulQuadrante12(d.OraDomanda);
    case Livello::MezzeOre:
        return d.MezzeOreDomanda > 24 ? d.MezzeOreDomanda - 24 : d.MezzeOreDomanda;
    case Livello::Quarti: {
        const int h = OraSulQuadrante12(d.OraDomanda);
        if (d.QuartoDomanda == 0)
            return 2 * h;
        return h == 12 ? 1 : 2 * h + 1;
    }
    case Livello::CinqueMinuti: {
        const int h = OraSulQuadrante0(d.OraDomanda);
        return d.MinutiDomanda == 0 ? 2 * h : 2 * h + 1;
    }
    }
    return -1;
}

int BersaglioBlu(const RigaEsercizio& riga, const Domanda& d) {
    if (!riga.dueLancette)
        return -1;
    switch (riga.livello) {
    case Livello::OreIntere:
        return -1;
    case Livello::MezzeOre:
        return d.MezzeOreDomanda % 2 == 0 ? 24 : 12;
    case Livello::Quarti:
        return d.QuartoDomanda == 0 ? 24 : 6 * d.QuartoDomanda;
    case Livello::CinqueMinuti:
        return 2 * d.MinutiDomanda / 5;
    }
    return -1;
}

double GradiRosso(Livello livello, const Domanda& d, int indice) {
    switch (livello) {
    case Livello::OreIntere:
        return indice * 30.0;
    case Livello::MezzeOre:
        return indice * 15.0;
    case Livello::Quarti:
        return d.OraDomanda * 30.0 + d.QuartoDomanda * 7.5;
    case Livello::CinqueMinuti:
        return d.OraDomanda * 30.0 + d.MinutiDomanda * 0.5;
    }
    return 0.0;
}

EsitoClic GiudicaClic(const RigaEsercizio& riga, const Domanda& d, int faseLancetta, int indice) {
    using T = EsitoClic::Tipo;
    if (riga.dueLancette && faseLancetta != 0) {
        if (indice != BersaglioBlu(riga, d))
            return {};
        return {T::LancettaBlu, GradiBlu(indice), true};
    }
    if (indice != BersaglioRosso(riga.livello, d))
        return {};
    return {T::LancettaRossa, GradiRosso(riga.livello, d, indice), !riga.dueLancette};
}

bool GiudicaConferma(const RigaEsercizio& riga, const Domanda& d, qint16 modoOre, int ora,
                     int passo) {
    // The hours that answer the question: the asked one and, when the
    // sentence is said alike for both, its other reading.
    const bool oraGiusta =
        ora == d.OraDomanda || (d.OraAlternativa != 0 && ora == d.OraAlternativa);
    switch (riga.livello) {
    case Livello::OreIntere:
        return oraGiusta;
    case Livello::MezzeOre: {
        const int impostate = MezzeOreImpostate(ora, passo, modoOre);
        if (impostate == d.MezzeOreDomanda)
            return true;
        if (d.OraAlternativa == 0)
            return false;
        const int mezza = d.MezzeOreDomanda % 2;
        return impostate == MezzeOreImpostate(d.OraAlternativa, mezza, modoOre);
    }
    case Livello::Quarti:
        return passo == d.QuartoDomanda && oraGiusta;
    case Livello::CinqueMinuti:
        return passo == d.MinutiDomanda / 5 && oraGiusta;
    }
    return false;
}
