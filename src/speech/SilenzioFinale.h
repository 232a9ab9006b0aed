#pragma once

#include <QtGlobal>

#include <functional>
#include <vector>

// Hands mono 16-bit sound on, piece by piece as it comes, without the silence
// at its end: a quiet stretch is held back until louder sound follows it, and
// at the end only its first tens of milliseconds go out, so that the last
// sound dies away as it was made and the long pause a synthesizer adds after
// a sentence never reaches the speaker (nor delays what is said next).
class SenzaSilenzioFinale {
public:
    // `uscita` takes the sound passed on; false abandons the rest.
    using Uscita = std::function<bool(const qint16* campioni, int quanti)>;
    SenzaSilenzioFinale(int campioniAlSecondo, Uscita uscita);

    // False once `uscita` has abandoned the sound.
    bool Aggiungi(const qint16* campioni, int quanti);
    // The sound has ended: the start of the quiet stretch held goes out.
    bool Fine();

private:
    bool Consegna(const qint16* campioni, qsizetype quanti);

    Uscita uscita_;
    qsizetype coda_; // samples of quiet kept after the last louder one
    std::vector<qint16> trattenuti_;
};
