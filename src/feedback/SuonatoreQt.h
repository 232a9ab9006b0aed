#pragma once

#include "feedback/Suonatore.h"

#include <QHash>
#include <QLoggingCategory>
#include <QObject>

class QSoundEffect;

Q_DECLARE_LOGGING_CATEGORY(logSuoni)

// The program's data folder holding `sottocartella`: beside the executable in
// the build tree, or share/ertavino of the install prefix. Empty when neither
// has it.
QString CartellaDati(const QString& sottocartella);

// Plays the WAV files of the "suoni" folder through the desktop's sound
// server. Each file is loaded once, on its first use; playing never blocks,
// and a new sound stops the one still playing.
class SuonatoreQt : public QObject, public Suonatore {
    Q_OBJECT
public:
    explicit SuonatoreQt(QString cartella = CartellaDati(QStringLiteral("suoni")),
                         QObject* parent = nullptr);
    ~SuonatoreQt() override;

    void Suona(const QString& nomeFile) override;

private:
    QString cartella_;
    QHash<QString, QSoundEffect*> effetti_;
    QSoundEffect* inCorso_ = nullptr;
};
