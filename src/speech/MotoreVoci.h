#pragma once

#include "speech/MotoreVoce.h"

#include <QList>
#include <QSet>
#include <QTimer>

#include <chrono>

// The voices the program offers: those of each engine in turn, in the order
// given (Pico's natural voice when it is installed, espeak-ng's voices, those
// of the desktop's speech service), numbered on from one engine to the next.
// Each text goes to the engine of the voice selected last (voice 1's until a
// voice is selected), a speed and a stop to every engine.
//
// It is the engine the program's screens speak through: each request is a
// line of the "ertavino.speech" log.
//
// A change of engine cuts nothing: a text for an engine waits while another
// is still saying what it was given, so the sentence in progress and those
// queued before the change are heard whole, and two voices never sound at
// once. A stop drops the waiting texts too. An engine that, while a text
// waits for it, gives no sign for `limite` (no loudness, no silence: a speech
// service that hangs after taking its texts) is stopped and no longer waited
// for, so that it cannot hold the others' texts for good.
class MotoreVoci : public MotoreVoce {
    Q_OBJECT
public:
    explicit MotoreVoci(QList<MotoreVoce*> motori, QObject* parent = nullptr,
                        std::chrono::milliseconds limite = std::chrono::seconds(5));

    void RileggiVoci() override;
    int NumeroVoci() const override;
    QString NomeVoce(int numero) const override;
    bool SelezionaVoce(int numero) override;
    void ImpostaVelocita(int velocita) override;
    void Parla(const QString& testo) override;
    void Ferma() override;
    bool VociInArrivo() const override;

    // Wakes the engines up to the one of voice `numero`, so that it is ready
    // when the voice is applied; the speech service only for a number past
    // the voices before it. Waits only for the engines before it to list
    // their voices.
    void PreparaVoce(int numero);

private:
    // The engine of voice `numero` and its own number for it; null when
    // there is no such voice.
    std::pair<MotoreVoce*, int> Motore(int numero) const;
    void Consegna();
    // The wait for the engines speaking has lasted `limite` with no sign.
    void Sblocca();

    QList<MotoreVoce*> motori_;
    MotoreVoce* attivo_ = nullptr;
    QString voceAttiva_; // display name of the voice selected last
    QList<std::pair<MotoreVoce*, QString>> inAttesa_;
    QSet<MotoreVoce*> occupati_; // given texts and not silent since
    QTimer attesa_;              // runs while a text waits for another engine
};
