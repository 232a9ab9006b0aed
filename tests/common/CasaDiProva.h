#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

// A private home for one test: the configuration folder the settings folder
// is made in (XDG_CONFIG_HOME points at it from now on) and a runtime folder
// for the single-copy lock.
struct CasaDiProva {
    QTemporaryDir dir;
    CasaDiProva() {
        QDir().mkpath(dir.filePath("run"));
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    }
    QString Cartella() const { return dir.filePath("config/ImpostazioniProgrammiQuibo"); }
    QString Lock() const { return dir.filePath("run/ertavino.lock"); }
};

// A whole file's bytes; a file that cannot be read gives "<missing>".
inline QByteArray LeggiFile(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Writes a whole file, making its folder first.
inline bool ScriviFile(const QString& percorso, const QByteArray& dati) {
    QDir().mkpath(QFileInfo(percorso).absolutePath());
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
}
