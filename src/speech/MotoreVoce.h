#pragma once

#include <QObject>
#include <QString>

// A text-to-speech engine as the screens use it. Every call returns at once;
// texts queue and are spoken in order in the background.
class MotoreVoce : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~MotoreVoce() override = default;

    // Asks the engine again which voices it has, so that voices installed or
    // removed since the last reading appear or vanish; the numbering below
    // follows the new list. Waits for the engine if it is still starting.
    virtual void RileggiVoci() = 0;
    // The voices as last read, numbered from 1.
    virtual int NumeroVoci() const = 0;
    // Display name of voice `numero`, 1..NumeroVoci().
    virtual QString NomeVoce(int numero) const = 0;
    // Following speech uses voice `numero` (1-based). False when the voice
    // cannot be used; the previous voice then stays.
    virtual bool SelezionaVoce(int numero) = 0;
    // The stored speed (70..200, default 135); faster is always faster.
    virtual void ImpostaVelocita(int velocita) = 0;
    // Queues `testo` behind anything still being spoken.
    virtual void Parla(const QString& testo) = 0;
    // Silences what is sounding and drops everything queued; harmless when idle.
    virtual void Ferma() = 0;
    // True while a reading of the voices has not been answered yet: the
    // voices it brings are announced by VociCambiate.
    virtual bool VociInArrivo() const { return false; }
    // Starts what the engine needs to list its voices (its synthesizer, the
    // service) without waiting for it; harmless when started.
    virtual void Sveglia() {}

signals:
    // Loudness (0..1) of the audio being played now; 0 when silent.
    void Livello(float livello);
    // Everything the engine was asked to say has been heard, cut by a stop
    // or found unspeakable: one follows every Parla, sooner or later.
    void Silenzio();
    // The voice list changed without RileggiVoci: a reading answered late.
    void VociCambiate();
};

// Applies the stored voice, then the stored speed, to the engine: what every
// talking screen's ImpostaVoce does. A voice refused is no error here.
inline void ImpostaVoce(MotoreVoce& motore, int numeroVoce, int velocita) {
    motore.SelezionaVoce(numeroVoce);
    motore.ImpostaVelocita(velocita);
}
