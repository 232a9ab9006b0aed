#pragma once

#include "sound/UscitaPulse.h"
#include "speech/UscitaAudio.h"

#include <memory>
#include <utility>

// Speech played on the voice channel of the program's sound output. The
// output may be shared with the feedback sounds; this one is made for it.
//
// Several engines, each with a sample rate of its own, may share the one
// voice channel, one after the other: each stretch of sound sets the
// channel's format when it begins, and only the adapter that wrote a stretch
// silences the channel, so an engine starting, stopping or closing while
// another speaks neither cuts that one off nor changes its rate.
class UscitaAudioPulse : public UscitaAudio {
public:
    explicit UscitaAudioPulse(std::shared_ptr<UscitaPulse> uscita = std::make_shared<UscitaPulse>())
        : uscita_(std::move(uscita)) {}
    ~UscitaAudioPulse() override { Ferma(); }

    void Prepara(int campioniAlSecondo) override {
        formato_ = {campioniAlSecondo, 1};
        uscita_->Collega(); // the first sentence finds the server ready
    }
    qint64 Scrivi(const char* dati, qint64 byte) override {
        // The channel is idle between two stretches: whoever spoke last has
        // fallen silent before this engine was given its text.
        if (!std::exchange(inCorso_, true))
            uscita_->Prepara(Voce, formato_);
        return uscita_->Scrivi(Voce, dati, byte);
    }
    qint64 Suonati() override { return inCorso_ ? uscita_->Suonati(Voce) : 0; }
    void Ferma() override {
        if (std::exchange(inCorso_, false))
            uscita_->Ferma(Voce);
    }

private:
    static constexpr UscitaPulse::Canale Voce = UscitaPulse::Canale::Voce;
    std::shared_ptr<UscitaPulse> uscita_;
    UscitaPulse::Formato formato_;
    bool inCorso_ = false; // this adapter has written since it last fell silent
};
