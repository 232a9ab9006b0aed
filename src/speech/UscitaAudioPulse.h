#pragma once

#include "sound/UscitaPulse.h"
#include "speech/UscitaAudio.h"

#include <memory>

// Speech played on the voice channel of the program's sound output. The
// output may be shared with the feedback sounds; this one is made for it.
class UscitaAudioPulse : public UscitaAudio {
public:
    explicit UscitaAudioPulse(std::shared_ptr<UscitaPulse> uscita = std::make_shared<UscitaPulse>())
        : uscita_(std::move(uscita)) {}
    ~UscitaAudioPulse() override { uscita_->Ferma(Voce); }

    void Prepara(int campioniAlSecondo) override {
        uscita_->Prepara(Voce, {campioniAlSecondo, 1});
        uscita_->Collega(); // the first sentence finds the server ready
    }
    qint64 Scrivi(const char* dati, qint64 byte) override {
        return uscita_->Scrivi(Voce, dati, byte);
    }
    qint64 Suonati() override { return uscita_->Suonati(Voce); }
    void Ferma() override { uscita_->Ferma(Voce); }

private:
    static constexpr UscitaPulse::Canale Voce = UscitaPulse::Canale::Voce;
    std::shared_ptr<UscitaPulse> uscita_;
};
