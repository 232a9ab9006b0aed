#pragma once

#include "core/Messaggi.h"

// The message boxes shown for real, each a dialog of the screen that asks:
// the window system centres it over that screen and keeps it above it.
class MessaggiQt : public Messaggi {
public:
    void Avviso(QWidget* schermo, const QString& testo, const QString& titolo,
                Icona icona) override;
    bool Chiedi(QWidget* schermo, const QString& testo, const QString& titolo) override;
};
