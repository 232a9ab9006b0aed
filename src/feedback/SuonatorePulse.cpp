#include "feedback/SuonatorePulse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

SuonatorePulse::SuonatorePulse(QString cartella, std::shared_ptr<UscitaPulse> uscita)
    : cartella_(std::move(cartella)), uscita_(std::move(uscita)) {}

SuonatorePulse::~SuonatorePulse() {
    uscita_->Ferma(UscitaPulse::Canale::Segnali);
}

void SuonatorePulse::Suona(const QString& nomeFile) {
    const QString percorso = cartella_.isEmpty() ? QString() : QDir(cartella_).filePath(nomeFile);
    if (percorso.isEmpty() || !QFileInfo(percorso).isFile()) {
        qCDebug(registroSuono) << "skip:" << nomeFile << "(file not found)";
        return;
    }
    auto letto = letti_.find(nomeFile);
    if (letto == letti_.end())
        letto = letti_.insert(nomeFile, LeggiSuono(percorso));
    if (!*letto) {
        qCDebug(registroSuono) << "skip:" << nomeFile << "(not a sound file)";
        return;
    }
    const SuonoPcm& suono = **letto;
    constexpr auto segnali = UscitaPulse::Canale::Segnali;
    uscita_->Prepara(segnali, suono.formato); // cuts off the sound still playing
    uscita_->Scrivi(segnali, suono.campioni.constData(), suono.campioni.size());
    uscita_->Concludi(segnali);
    qCDebug(registroSuono) << "play:" << percorso;
}
