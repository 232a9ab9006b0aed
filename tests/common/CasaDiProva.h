#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

// A private home for one test (XDG_CONFIG_HOME points into it from now on).
struct CasaDiProva {
    QTemporaryDir dir;
    CasaDiProva() {
        QDir().mkpath(dir.filePath("run"));
        qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
    }
    QString Cartella() const { return dir.filePath("config/ImpostazioniProgrammiQuibo"); }
    QString Ini() const { return Cartella() + "/Ertavino.INI"; }
    QString Lock() const { return dir.filePath("run/ertavino.lock"); }
};

// A whole file's bytes, or "<missing>".
inline QByteArray LeggiFile(const QString& percorso) {
    QFile f(percorso);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool ScriviFile(const QString& percorso, const QByteArray& dati) {
    QDir().mkpath(percorso.section('/', 0, -2));
    QFile f(percorso);
    return f.open(QIODevice::WriteOnly) && f.write(dati) == dati.size();
}
