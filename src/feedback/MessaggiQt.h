#pragma once

#include "feedback/Messaggi.h"

// The message boxes shown for real, over the active window.
class MessaggiQt : public Messaggi {
public:
    void Avviso(const QString& testo, const QString& titolo, Icona icona) override;
    bool Chiedi(const QString& testo, const QString& titolo) override;
};
