#include "core/GeneratoreCasuale.h"

#include <QDateTime>
#include <algorithm>
#include <chrono>

GeneratoreCasuale::GeneratoreCasuale() {
    SeminaDalTempo();
}

void GeneratoreCasuale::SeminaDalTempo() {
    const auto adesso = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto ms = QDateTime::currentMSecsSinceEpoch();
    std::seed_seq seme{quint32(adesso), quint32(quint64(adesso) >> 32), quint32(ms)};
    motore_.seed(seme);
}

void GeneratoreCasuale::Semina(quint32 seme) {
    motore_.seed(seme);
}

float GeneratoreCasuale::Prossimo() {
    // 24 random bits fill a float's mantissa exactly, so the result is never 1.
    return float(motore_() >> 8) * (1.0f / 16777216.0f);
}

int GeneratoreCasuale::Estrai(int k) {
    if (k <= 0)
        return 0;
    const float r = Prossimo();
    // r x k is computed as the original does (single precision); the clamp only
    // guards a scripted r that a test set to 1 or more.
    return std::clamp(int(r * float(k)), 0, k - 1);
}
