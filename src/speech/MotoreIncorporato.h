#pragma once

#include "speech/ElencoVoci.h"
#include "speech/FiloVoce.h"
#include "speech/LavoratoreVoce.h"
#include "speech/MotoreVoce.h"

#include <atomic>
#include <future>
#include <optional>

// A speech engine with its synthesizer inside the program, played through the
// desktop's sound server.
//
// Every synthesizer call happens on the engine's own thread (FiloVoce), which
// also starts the synthesizer, so creating the engine costs the caller
// nothing. The calls below only post work to that thread and return; the
// exception is the voice list (RileggiVoci, and the first NumeroVoci, NomeVoce or SelezionaVoce),
// which waits for the start if it is asked for in the first few tens of
// milliseconds, and for the thread to finish the text it is synthesizing.
//
// Without its data the synthesizer has no voices and the engine says nothing;
// without a sound device it speaks silently, taking as long as the speech
// would.
class MotoreIncorporato : public MotoreVoce {
    Q_OBJECT
public:
    struct Opzioni {
        // Make the synthesizer and the sound output, on the engine's thread.
        FabbricaSintetizzatore sintetizzatore;
        FabbricaUscita uscita;
        // True to leave the synthesizer asleep until AvviaSintetizzatore() or
        // the first request: the program wakes it once its first screen is on
        // the display, so that starting it never competes with that screen.
        bool avvioRinviato = false;
    };

    explicit MotoreIncorporato(Opzioni opzioni, QObject* parent = nullptr);
    ~MotoreIncorporato() override;

    void RileggiVoci() override;
    int NumeroVoci() const override;
    QString NomeVoce(int numero) const override;
    bool SelezionaVoce(int numero) override;
    void ImpostaVelocita(int velocita) override;
    void Parla(const QString& testo) override;
    void Ferma() override;

    void Sveglia() override { AvviaSintetizzatore(); }
    // Starts the engine's thread and the synthesizer; harmless when started.
    void AvviaSintetizzatore() const;

private:
    const QList<VoceItaliana>& Voci() const;

    std::atomic<int> generazione_{0};
    int inviati_ = 0;                                   // texts posted to the worker
    std::shared_future<QList<VoceItaliana>> primeVoci_; // the list made at the start
    mutable std::optional<QList<VoceItaliana>> voci_;   // the list as last read
    LavoratoreVoce* lavoratore_;
    FiloVoce filo_;
};
