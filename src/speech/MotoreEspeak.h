#pragma once

#include "speech/ElencoVoci.h"
#include "speech/LavoratoreVoce.h"
#include "speech/MotoreVoce.h"

#include <QThread>

#include <atomic>
#include <future>
#include <optional>

// The program's speech engine: the Italian voice of the espeak-ng library,
// linked in, played through the desktop's sound server.
//
// Every synthesizer call happens on the engine's own thread, which also starts
// the synthesizer, so creating the engine costs the caller nothing. The calls
// below only post work to that thread and return; the exception is the voice
// list (RileggiVoci, and the first NumeroVoci, NomeVoce or SelezionaVoce),
// which waits for the start if it is asked for in the first few tens of
// milliseconds, and for the thread to finish the text it is synthesizing.
//
// Without voice data the engine has no voices and says nothing; without a
// sound device it speaks silently, taking as long as the speech would.
class MotoreEspeak : public MotoreVoce {
    Q_OBJECT
public:
    struct Opzioni {
        // The voice data folder; empty for the one installed with the library.
        QString cartellaDati;
        // Makes the sound output, on the engine's thread; empty for the sound
        // server.
        FabbricaUscita uscita;
        // True to leave the synthesizer asleep until AvviaSintetizzatore() or
        // the first request: the program wakes it once its first screen is on
        // the display, so that starting it never competes with that screen.
        bool avvioRinviato = false;
    };

    explicit MotoreEspeak(QObject* parent = nullptr);
    explicit MotoreEspeak(Opzioni opzioni, QObject* parent = nullptr);
    ~MotoreEspeak() override;

    void RileggiVoci() override;
    int NumeroVoci() const override;
    QString NomeVoce(int numero) const override;
    bool SelezionaVoce(int numero) override;
    void ImpostaVelocita(int velocita) override;
    void Parla(const QString& testo) override;
    void Ferma() override;

    // Starts the engine's thread and the synthesizer; harmless when started.
    void AvviaSintetizzatore() const;

signals:
    // Everything spoken so far has been heard, or a stop silenced it.
    void Silenzio();

private:
    const QList<VoceItaliana>& Voci() const;

    std::atomic<int> generazione_{0};
    std::shared_future<QList<VoceItaliana>> primeVoci_; // the list made at the start
    mutable std::optional<QList<VoceItaliana>> voci_;   // the list as last read
    mutable QThread filo_;
    LavoratoreVoce* lavoratore_ = nullptr;
};
