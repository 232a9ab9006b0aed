#pragma once

#include <QtGlobal>

// Where the speech engine sends its sound: mono signed 16-bit PCM. It is
// created, used and destroyed on the engine's worker thread only, and never
// runs that thread's events itself: the worker is not built to be re-entered.
class UscitaAudio {
public:
    virtual ~UscitaAudio() = default;

    // Called once, before anything else, with the synthesizer's sample rate.
    virtual void Prepara(int campioniAlSecondo) = 0;
    // Takes up to `byte` bytes to play after what it already holds and tells
    // how many it took; the rest is offered again later.
    virtual qint64 Scrivi(const char* dati, qint64 byte) = 0;
    // How many of the bytes taken since the last Ferma have been heard (or,
    // with no sound device, would have been heard by now).
    virtual qint64 Suonati() = 0;
    // Falls silent at once and forgets what it holds; counting starts again.
    virtual void Ferma() = 0;
};
