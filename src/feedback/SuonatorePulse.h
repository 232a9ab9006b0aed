#pragma once

#include "core/Suonatore.h"
#include "sound/SuonoPcm.h"

#include <QHash>

#include <memory>

// The program's data folder holding `sottocartella`: beside the executable in
// the build tree, or share/ertavino of the install prefix. Empty when neither
// has it.
QString CartellaDati(const QString& sottocartella);

// Plays the WAV files of the "suoni" folder on the signals channel of the
// program's sound output (the one the speech shares, in the program). Each
// file is read once, on its first use; playing never blocks, and a new sound
// cuts off the one still playing.
class SuonatorePulse : public Suonatore {
public:
    explicit SuonatorePulse(QString cartella = CartellaDati(QStringLiteral("suoni")),
                            std::shared_ptr<UscitaPulse> uscita = std::make_shared<UscitaPulse>());
    ~SuonatorePulse() override;

    void Suona(const QString& nomeFile) override;

private:
    QString cartella_;
    std::shared_ptr<UscitaPulse> uscita_;
    QHash<QString, std::optional<SuonoPcm>> letti_; // nothing for a file that cannot be read
};
