#include "feedback/SuonatoreQt.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

Q_LOGGING_CATEGORY(logSuoni, "ertavino.sound", QtWarningMsg)

#ifndef ERTAVINO_DATA_DIR
#define ERTAVINO_DATA_DIR "share/ertavino"
#endif

QString CartellaDati(const QString& sottocartella) {
    const QDir eseguibile(QCoreApplication::applicationDirPath());
    const QStringList candidati = {
        eseguibile.filePath(sottocartella),
        eseguibile.filePath(QStringLiteral("../") + QStringLiteral(ERTAVINO_DATA_DIR) + '/' +
                            sottocartella),
    };
    for (const QString& c : candidati) {
        if (QFileInfo(c).isDir())
            return QDir::cleanPath(c);
    }
    return {};
}

SuonatoreQt::SuonatoreQt(QString cartella, QObject* parent)
    : QObject(parent), cartella_(std::move(cartella)) {}

SuonatoreQt::~SuonatoreQt() = default;

void SuonatoreQt::Suona(const QString& nomeFile) {
    const QString percorso = cartella_.isEmpty() ? QString() : QDir(cartella_).filePath(nomeFile);
    if (percorso.isEmpty() || !QFileInfo(percorso).isFile()) {
        qCDebug(logSuoni) << "skip:" << nomeFile << "(file not found)";
        return;
    }
    QSoundEffect*& effetto = effetti_[nomeFile];
    if (!effetto) {
        effetto = new QSoundEffect(this);
        effetto->setSource(QUrl::fromLocalFile(percorso));
    }
    if (inCorso_ && inCorso_ != effetto)
        inCorso_->stop();
    effetto->stop();
    effetto->play();
    inCorso_ = effetto;
    qCDebug(logSuoni) << "play:" << percorso;
}
