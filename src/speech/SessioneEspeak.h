#pragma once

#include "speech/ElencoVoci.h"
#include "speech/VelocitaVoce.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <mutex>

// The synthesizer library keeps its state in globals for the whole process and
// breaks when two threads call it at once or when it is shut down and started
// again. A session is the right to use it: while one exists, a second one gets
// no voice data and does nothing. The library is started by the first session
// and stays started; a later session that names another data folder starts it
// again on that one.
class SessioneEspeak {
public:
    // `cartellaDati`: the folder holding the voice data (or its parent); empty
    // for the installed one.
    explicit SessioneEspeak(const QString& cartellaDati);
    ~SessioneEspeak();
    SessioneEspeak(const SessioneEspeak&) = delete;
    SessioneEspeak& operator=(const SessioneEspeak&) = delete;

    // Samples per second of the synthesized sound; 0 when there is no voice
    // data, and then nothing below does anything.
    int CampioniAlSecondo() const { return campioni_; }

    // The Italian voice and every installed variant that really takes effect
    // on it; empty without voice data.
    QList<VoceItaliana> VociDisponibili();

    // Selects a voice by its synthesizer name ("it", "it+f3") and checks that
    // the synthesizer really uses it: it ignores unknown variants silently.
    bool ScegliVoce(const QString& nomeSintetizzatore);
    void ImpostaVelocita(ParametriVelocita parametri);

    // Synthesizes `testo` at once, read as TestoDaPronunciare hands it on,
    // handing the sound out in pieces of mono 16-bit PCM as it is made. `ricevi` returns false to abandon the rest.
    // False when the synthesizer could not take the text.
    using Ricevitore = std::function<bool(const qint16* campioni, int quanti)>;
    bool Sintetizza(const QString& testo, const Ricevitore& ricevi);

    // The phonemes the synthesizer would speak for `testo` (read as above),
    // in its own notation, one clause after another: used to check how
    // sentences are read.
    QString Fonemi(const QString& testo);

private:
    std::unique_lock<std::mutex> uso_;
    int campioni_ = 0;
};
