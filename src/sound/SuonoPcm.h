#pragma once

#include "sound/UscitaPulse.h"

#include <QByteArray>
#include <QString>

#include <optional>

// A sound file's samples, as the sound output plays them.
struct SuonoPcm {
    UscitaPulse::Formato formato;
    QByteArray campioni; // signed 16-bit, interleaved
};

// Reads a sound file (WAV, or any format libsndfile knows) whole, converted
// to 16-bit samples; nothing when it is missing or unreadable.
std::optional<SuonoPcm> LeggiSuono(const QString& percorso);
