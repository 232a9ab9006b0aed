#pragma once

#include "feedback/Messaggi.h"

#include <QList>

// Records every message box instead of showing it; questions are answered
// from a script (Yes when the script is empty unless told otherwise).
class MessaggiRegistrati : public Messaggi {
public:
    struct Voce {
        QString testo, titolo;
        Icona icona;
        bool domanda;
    };

    void Avviso(const QString& testo, const QString& titolo, Icona icona) override {
        registro.append({testo, titolo, icona, false});
    }
    bool Chiedi(const QString& testo, const QString& titolo) override {
        registro.append({testo, titolo, Icona::Domanda, true});
        return risposte.isEmpty() ? rispostaPredefinita : risposte.takeFirst();
    }

    QList<Voce> registro;
    QList<bool> risposte;
    bool rispostaPredefinita = true;
};
