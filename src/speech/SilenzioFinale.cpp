#include "speech/SilenzioFinale.h"

#include <algorithm>
#include <cstdlib>

namespace {
// Quieter than 1% of full scale is silence: a synthesizer's pauses hold
// clicks of about half that.
constexpr int Soglia = 328;
constexpr int CodaMillisecondi = 40;
} // namespace

SenzaSilenzioFinale::SenzaSilenzioFinale(int campioniAlSecondo, Uscita uscita)
    : uscita_(std::move(uscita)), coda_(qsizetype(campioniAlSecondo) * CodaMillisecondi / 1000) {}

bool SenzaSilenzioFinale::Consegna(const qint16* campioni, qsizetype quanti) {
    return quanti <= 0 || uscita_(campioni, int(quanti));
}

bool SenzaSilenzioFinale::Aggiungi(const qint16* campioni, int quanti) {
    const qint16* fine = campioni + std::max(quanti, 0);
    const auto forte =
        std::find_if(std::make_reverse_iterator(fine), std::make_reverse_iterator(campioni),
                     [](qint16 c) { return std::abs(int(c)) >= Soglia; });
    const qint16* dopoForte = forte.base(); // the piece's quiet end begins here
    if (dopoForte != campioni) {
        // Louder sound follows the quiet held so far: that was a pause.
        if (!Consegna(trattenuti_.data(), qsizetype(trattenuti_.size())) ||
            !Consegna(campioni, dopoForte - campioni))
            return false;
        trattenuti_.clear();
    }
    trattenuti_.insert(trattenuti_.end(), dopoForte, fine);
    return true;
}

bool SenzaSilenzioFinale::Fine() {
    const bool preso = Consegna(trattenuti_.data(), std::min(coda_, qsizetype(trattenuti_.size())));
    trattenuti_.clear();
    return preso;
}
