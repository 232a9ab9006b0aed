#pragma once

#include <QString>

// Plays one of the program's sound files (a name such as "si1.wav" in the
// "suoni" folder) without waiting for it; a new sound cuts off the one still
// playing. A missing file or a machine without sound is silent.
class Suonatore {
public:
    virtual ~Suonatore() = default;
    virtual void Suona(const QString& nomeFile) = 0;
};
