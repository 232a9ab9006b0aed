#pragma once

#include "speech/ElencoVoci.h"

#include <QString>

#include <functional>

// An embedded synthesizer as the speech worker drives it, on the worker's
// thread only. Without its data (or its library) it has no voices and every
// call below does nothing.
class Sintetizzatore {
public:
    virtual ~Sintetizzatore() = default;

    // Samples per second of the sound it makes; 0 when it cannot speak.
    virtual int CampioniAlSecondo() const = 0;
    // Its voices that really speak, in the order they are numbered from 1;
    // "it" selects the first.
    virtual QList<VoceItaliana> VociDisponibili() = 0;
    // Selects a voice by its synthesizer name ("it", "it+f3"); false for a
    // voice it does not have, and the voice it had stays.
    virtual bool ScegliVoce(const QString& nomeSintetizzatore) = 0;
    // The stored speed (70..200, 135 the voice's own pace): faster is always
    // faster.
    virtual void ImpostaVelocita(int velocita) = 0;

    // Synthesizes `testo` at once, read as TestoDaPronunciare hands it on,
    // handing the sound out in pieces of mono 16-bit PCM as it is made;
    // `ricevi` returns false to abandon the rest. False when the synthesizer
    // could not take the text.
    using Ricevitore = std::function<bool(const qint16* campioni, int quanti)>;
    virtual bool Sintetizza(const QString& testo, const Ricevitore& ricevi) = 0;
};
