#include "speech/UscitaAudioQt.h"

#include "speech/RegistroVoce.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <algorithm>

namespace {
// The sink's buffer: short, so the mouth follows what is heard closely and a
// stop leaves little behind; synthesis is far faster than playback.
constexpr int BufferMillisecondi = 150;
// A sink that holds sound but has not moved for this long is given up on for
// the rest of the stretch. Some sound servers take a second or more to start
// a stream, so this is generous.
constexpr int BloccoMillisecondi = 4000;
} // namespace

UscitaAudioQt::UscitaAudioQt() = default;

UscitaAudioQt::~UscitaAudioQt() {
    Ferma();
}

void UscitaAudioQt::Prepara(int campioniAlSecondo) {
    formato_.setSampleRate(campioniAlSecondo);
    formato_.setChannelCount(1);
    formato_.setSampleFormat(QAudioFormat::Int16);
}

void UscitaAudioQt::Apri() {
    // The device is looked up for every stretch of speech, so a sound server
    // or a headset that comes later is used from then on.
    const QAudioDevice dispositivo = QMediaDevices::defaultAudioOutput();
    if (dispositivo.isNull() || !dispositivo.isFormatSupported(formato_)) {
        DiventaMuta("no audio output for speech");
        return;
    }
    sink_ = std::make_unique<QAudioSink>(dispositivo, formato_);
    sink_->setBufferSize(formato_.bytesForDuration(BufferMillisecondi * 1000));
    flusso_ = sink_->start();
    if (flusso_ == nullptr || sink_->error() != QAudio::NoError) {
        DiventaMuta("audio output failed to open");
        return;
    }
    if (!conSuono_)
        qCInfo(registroVoce, "audio output available: speaking aloud");
    conSuono_ = true;
    ultimaPosizione_ = -1;
}

void UscitaAudioQt::DiventaMuta(const char* perche) {
    if (conSuono_)
        qCInfo(registroVoce, "%s: speaking silently", perche);
    conSuono_ = false;
    Chiudi();
    muta_ = true;
    // What the sink still held counts as heard from now on.
    base_ = scritti_;
    orologio_.start();
}

qint64 UscitaAudioQt::Scrivi(const char* dati, qint64 byte) {
    if (byte <= 0)
        return 0;
    if (!muta_ && !sink_)
        Apri();
    if (muta_) {
        // After a pause the clock starts again from what has been heard.
        if (SuonatiSenzaSuono() >= scritti_) {
            base_ = scritti_;
            orologio_.start();
        }
        scritti_ += byte;
        return byte;
    }
    const qint64 spazio = std::min<qint64>(byte, sink_->bytesFree());
    const qint64 presi = spazio > 0 ? flusso_->write(dati, spazio) : 0;
    if (presi < 0) {
        DiventaMuta("audio output refused sound");
        return 0;
    }
    scritti_ += presi;
    return presi;
}

qint64 UscitaAudioQt::SuonatiSenzaSuono() const {
    if (!orologio_.isValid())
        return scritti_;
    const qint64 trascorsi = formato_.bytesForDuration(orologio_.nsecsElapsed() / 1000);
    return std::min(scritti_, base_ + trascorsi);
}

qint64 UscitaAudioQt::Suonati() {
    if (muta_)
        return SuonatiSenzaSuono();
    if (!sink_)
        return scritti_;
    if (sink_->state() == QAudio::StoppedState && sink_->error() != QAudio::NoError) {
        DiventaMuta("audio output stopped with an error");
        return SuonatiSenzaSuono();
    }
    if (sink_->state() == QAudio::IdleState)
        return scritti_; // the sink ran dry: everything has been played
    // Written minus what still waits in the sink's buffer.
    const qint64 inAttesa = std::max<qint64>(0, sink_->bufferSize() - sink_->bytesFree());
    const qint64 posizione = std::clamp<qint64>(scritti_ - inAttesa, 0, scritti_);
    if (posizione != ultimaPosizione_) {
        ultimaPosizione_ = posizione;
        fermoDa_.start();
    } else if (fermoDa_.hasExpired(BloccoMillisecondi)) {
        DiventaMuta("audio output stuck");
        return SuonatiSenzaSuono();
    }
    return posizione;
}

void UscitaAudioQt::Chiudi() {
    flusso_ = nullptr;
    if (!sink_)
        return;
    sink_->stop();
    // The sound server's sink runs the thread's events while it is destroyed:
    // destroyed here, it would start the texts queued behind a stop in the
    // middle of the stop itself, and in the middle of the synthesizer's work.
    // The event loop destroys it once this call has returned.
    sink_.release()->deleteLater();
}

void UscitaAudioQt::Ferma() {
    Chiudi();
    muta_ = false;
    scritti_ = 0;
    base_ = 0;
    orologio_.invalidate();
}
