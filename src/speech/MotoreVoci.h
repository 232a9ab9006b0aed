#pragma once

#include "speech/MotoreVoce.h"

// The voices the program offers: those of the embedded engine first, numbered
// as they always were, so that a stored voice number keeps its voice; then
// those of the desktop's speech service. Each text goes to the engine of the
// voice selected last (the embedded one until a voice is selected), a speed
// to both, a stop to both.
//
// Selecting a voice of the other engine silences the engine left behind:
// its texts would otherwise sound together with the new voice's.
class MotoreVoci : public MotoreVoce {
    Q_OBJECT
public:
    MotoreVoci(MotoreVoce& incorporato, MotoreVoce& servizio, QObject* parent = nullptr);

    void RileggiVoci() override;
    int NumeroVoci() const override;
    QString NomeVoce(int numero) const override;
    bool SelezionaVoce(int numero) override;
    void ImpostaVelocita(int velocita) override;
    void Parla(const QString& testo) override;
    void Ferma() override;

private:
    MotoreVoce& incorporato_;
    MotoreVoce& servizio_;
    MotoreVoce* attivo_;
    QString voceAttiva_; // display name of the voice selected last
};
