#include "clockface/DisposizioneQuadrante.h"

#include <array>

namespace {

struct Posizione {
    int sinistra, alto;
};

// Numerals 1 to 12 of the twelve-numeral dial, every one 585 x 555.
constexpr std::array<Posizione, 12> NumeriA = {{
    {4320, 960},
    {5160, 1920},
    {5520, 3000},
    {5280, 4320},
    {4320, 5160},
    {3120, 5640},
    {1800, 5400},
    {720, 4440},
    {360, 3000},
    {840, 1800},
    {1800, 960},
    {3120, 480},
}};
constexpr int LarghezzaNumeroA = 585, AltezzaNumeroA = 555;

// The "°" marks for half past 0 (12) to half past 11, every one 375 x 315.
constexpr std::array<Posizione, 12> SegniB = {{
    {3960, 720},
    {4920, 1320},
    {5640, 2520},
    {5760, 3840},
    {5160, 5040},
    {3960, 5760},
    {2520, 5760},
    {1200, 5160},
    {480, 3960},
    {600, 2400},
    {1320, 1200},
    {2520, 600},
}};
constexpr int LarghezzaSegnoB = 375, AltezzaSegnoB = 315;

// The 24 targets of the dials with blank in-between targets, index 1 to 24.
constexpr std::array<QRect, 24> BersagliC = {{
    QRect(3720, 600, 735, 495),  QRect(4560, 960, 375, 375),  QRect(5040, 1200, 615, 675),
    QRect(5400, 1920, 345, 495), QRect(5520, 2400, 615, 555), QRect(5640, 3000, 465, 495),
    QRect(5640, 3600, 495, 555), QRect(5400, 4320, 435, 435), QRect(5040, 4800, 495, 675),
    QRect(4440, 5280, 465, 435), QRect(3720, 5400, 735, 675), QRect(3240, 5640, 345, 555),
    QRect(2280, 5520, 855, 555), QRect(1800, 5400, 465, 495), QRect(1080, 5040, 615, 555),
    QRect(840, 4440, 345, 435),  QRect(480, 3600, 375, 795),  QRect(360, 3000, 465, 435),
    QRect(600, 2280, 375, 675),  QRect(840, 1800, 555, 435),  QRect(1080, 1200, 615, 555),
    QRect(1800, 840, 465, 435),  QRect(2400, 600, 735, 435),  QRect(3120, 480, 555, 435),
}};

bool DodiciInZero(DisposizioneQuadrante d) {
    return d == DisposizioneQuadrante::B0 || d == DisposizioneQuadrante::C0 ||
           d == DisposizioneQuadrante::C9;
}

QVector<EtichettaQuadrante> DisposizioneA() {
    QVector<EtichettaQuadrante> etichette;
    for (int n = 1; n <= 12; ++n) {
        const Posizione p = NumeriA[n - 1];
        etichette.append(
            {n, QString::number(n), QRect(p.sinistra, p.alto, LarghezzaNumeroA, AltezzaNumeroA)});
    }
    return etichette;
}

QVector<EtichettaQuadrante> DisposizioneB(int indiceDodici) {
    QVector<EtichettaQuadrante> etichette;
    for (int indice = 1; indice <= 24; ++indice) {
        const int k = indice / 2;
        if (indice % 2 == 1) {
            const Posizione p = SegniB[k];
            etichette.append({indice, QStringLiteral("°"),
                              QRect(p.sinistra, p.alto, LarghezzaSegnoB, AltezzaSegnoB)});
            continue;
        }
        Posizione p = NumeriA[k - 1];
        if (k == 5)
            p.alto = 5280;
        else if (k == 11)
            p.alto = 840;
        etichette.append({k == 12 ? indiceDodici : indice, QString::number(k),
                          QRect(p.sinistra, p.alto, LarghezzaNumeroA, AltezzaNumeroA)});
    }
    return etichette;
}

QVector<EtichettaQuadrante> DisposizioneC(int indiceDodici, bool comeRuota9) {
    QVector<EtichettaQuadrante> etichette;
    for (int indice = 1; indice <= 24; ++indice) {
        QRect box = BersagliC[indice - 1];
        if (comeRuota9 && indice == 2)
            box.moveTop(840);
        else if (comeRuota9 && indice == 3)
            box = QRect(4920, 1080, 735, 795);
        const bool numero = indice % 2 == 0;
        etichette.append({indice == 24 ? indiceDodici : indice,
                          numero ? QString::number(indice / 2) : QString(), box});
    }
    return etichette;
}

} // namespace

QVector<EtichettaQuadrante> EtichetteQuadrante(DisposizioneQuadrante disposizione) {
    QVector<EtichettaQuadrante> etichette;
    switch (disposizione) {
    case DisposizioneQuadrante::A:
        return DisposizioneA();
    case DisposizioneQuadrante::B:
    case DisposizioneQuadrante::B0:
        etichette = DisposizioneB(IndiceDelDodici(disposizione));
        break;
    case DisposizioneQuadrante::C24:
    case DisposizioneQuadrante::C0:
    case DisposizioneQuadrante::C9:
        etichette =
            DisposizioneC(IndiceDelDodici(disposizione), disposizione == DisposizioneQuadrante::C9);
        break;
    }
    // With the "12" at index 0 it comes first in index order.
    if (DodiciInZero(disposizione))
        etichette.prepend(etichette.takeLast());
    return etichette;
}

int IndiceDelDodici(DisposizioneQuadrante disposizione) {
    if (disposizione == DisposizioneQuadrante::A)
        return 12;
    return DodiciInZero(disposizione) ? 0 : 24;
}

int PosizioniQuadrante(DisposizioneQuadrante disposizione) {
    return disposizione == DisposizioneQuadrante::A ? 12 : 24;
}

QString PosizioneTra(int indice, int posizioni) {
    if (posizioni != 24 || indice < 0 || indice >= 24 || indice % 2 == 0)
        return {};
    const int prima = (indice / 2 + 11) % 12 + 1; // 0 reads as 12
    const int dopo = prima % 12 + 1;
    const auto ore = [](int n) {
        return n == 1 ? QStringLiteral("l'1") : QStringLiteral("le %1").arg(n);
    };
    return QStringLiteral("tra %1 e %2").arg(ore(prima), ore(dopo));
}
