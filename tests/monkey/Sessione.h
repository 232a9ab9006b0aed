#pragma once

#include "MessaggiRegistrati.h"
#include "MotoreVoceRegistrato.h"
#include "SuonatoreRegistrato.h"
#include "language/GeneratoreCasuale.h"
#include "shell/Contesto.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"
#include "shell/Navigazione.h"

#include <memory>

// The program's random generator on a fixed seed. The time seeds of start-up
// and of frmRuota1 keep the sequence going, so one seed replays a whole run.
class GeneratoreSeminato : public GeneratoreCasuale {
public:
    explicit GeneratoreSeminato(quint32 seme) { Semina(seme); }
    void SeminaDalTempo() override {}
};

// One run of the program, from start-up to "Esci" answered Yes, on the real
// start-up steps, settings file, single-copy lock and screen flow, with the
// message boxes, the speech engine and the sound player recorded. The
// engine refuses its third voice, so the voice screen's refusal shows up.
struct Sessione {
    explicit Sessione(GeneratoreCasuale& casuale) : contesto(casuale, messaggi, suoni) {
        motore.rifiutate = {3};
    }

    // Start-up, then the start screen. False when start-up refused to run.
    bool Avvia() {
        if (!Avvio(contesto, istanza))
            return false;
        nav = std::make_unique<Navigazione>(contesto, motore);
        QObject::connect(nav.get(), &Navigazione::Fine, [this] { finita = true; });
        nav->MostraAvvio();
        return true;
    }

    // What the fakes recorded is dropped after every step, so that a long
    // run does not grow the test's own memory.
    void Svuota() {
        messaggi.registro.clear();
        suoni.suonati.clear();
        motore.registro.clear();
        motore.detti.clear();
    }

    MessaggiRegistrati messaggi;
    SuonatoreRegistrato suoni;
    MotoreVoceRegistrato motore;
    Contesto contesto;
    IstanzaUnica istanza;
    std::unique_ptr<Navigazione> nav; // destroyed first: it deletes the screens
    bool finita = false;
};
