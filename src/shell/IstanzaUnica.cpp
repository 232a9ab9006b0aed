#include "shell/IstanzaUnica.h"

#include <QDir>
#include <QStandardPaths>

IstanzaUnica::IstanzaUnica(const QString& percorsoLock) : lock_(percorsoLock) {
    // A running copy's lock never grows stale with age, however long it runs:
    // only a lock whose process is gone is taken over.
    lock_.setStaleLockTime(0);
}

bool IstanzaUnica::Acquisisci() {
    if (lock_.isLocked() || lock_.tryLock(0))
        return true;
    // Only a lock held by a running copy refuses this one. A lock file that
    // cannot be written at all (a full or unwritable runtime folder) must not
    // keep the program from starting: it then runs without the lock.
    return lock_.error() != QLockFile::LockFailedError;
}

QString IstanzaUnica::PercorsoPredefinito() {
    QString cartella = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (cartella.isEmpty())
        cartella = QDir::tempPath();
    return QDir(cartella).filePath(QStringLiteral("ertavino.lock"));
}
