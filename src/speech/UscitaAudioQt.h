#pragma once

#include "speech/UscitaAudio.h"

#include <QAudioFormat>
#include <QElapsedTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// Plays through the desktop's sound server with a QAudioSink in push mode.
// With no output device, or when the sink fails or stops taking sound, it
// keeps time instead: what it is given counts as heard at the pace it would
// have been played, so the speech queue advances just the same. Each stretch
// of speech (from the first sound after a Ferma) tries the device again.
class UscitaAudioQt : public UscitaAudio {
public:
    UscitaAudioQt();
    ~UscitaAudioQt() override;

    void Prepara(int campioniAlSecondo) override;
    qint64 Scrivi(const char* dati, qint64 byte) override;
    qint64 Suonati() override;
    void Ferma() override;

    // Whether the last stretch of speech found a working sound device.
    bool ConSuono() const { return conSuono_; }

private:
    void Apri();
    // Stops the sink and lets it go.
    void Chiudi();
    void DiventaMuta(const char* perche);
    qint64 SuonatiSenzaSuono() const;

    QAudioFormat formato_;
    std::unique_ptr<QAudioSink> sink_;
    QIODevice* flusso_ = nullptr;
    bool muta_ = false;    // keeping time without sound in this stretch
    bool conSuono_ = true; // for logging only the changes

    qint64 scritti_ = 0; // bytes taken since the last Ferma
    // Keeping time without sound: `base_` bytes were heard when `orologio_`
    // was last started.
    qint64 base_ = 0;
    QElapsedTimer orologio_;
    // Watching the sink: the last position it reported and since when.
    qint64 ultimaPosizione_ = -1;
    QElapsedTimer fermoDa_;
};
