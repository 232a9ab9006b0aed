#pragma once

#include <QLockFile>
#include <QString>

// One copy of the program per user: a lock file in the user's runtime folder.
// The lock of a copy that crashed is recognised as stale (its process is gone)
// and taken over, so a crash never keeps the program from starting again.
class IstanzaUnica {
public:
    explicit IstanzaUnica(const QString& percorsoLock = PercorsoPredefinito());

    // False only when another copy runs and holds the lock; true when this
    // copy holds it, or when no lock file can be made at all.
    bool Acquisisci();

    static QString PercorsoPredefinito();

private:
    QLockFile lock_;
};
