#pragma once

#include "MessaggiRegistrati.h"
#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "shell/Impostazioni.h"
#include "shell/IstanzaUnica.h"
#include "shell/Modulo1.h"
#include "shell/Navigazione.h"

#include <QTest>

// One run of the program on its real start-up, settings file, single-copy
// lock and screen flow, with the message boxes recorded and answered from
// their script. The test hands in the sound player and the speech engine.
struct ProgrammaDiProva {
    ProgrammaDiProva(GeneratoreCasuale& casuale, Suonatore& suoni, MotoreVoce& motore,
                     const QString& lock = IstanzaUnica::PercorsoPredefinito())
        : contesto(casuale, messaggi, suoni), istanza(lock), nav(contesto, motore) {
        QObject::connect(&nav, &Navigazione::Fine, [this] { finita = true; });
    }

    // Start-up, then the start screen; false when start-up refused to run.
    bool Avvia() {
        if (!Avvio(contesto, istanza))
            return false;
        nav.MostraAvvio();
        return true;
    }
    // The loaded screen; none once "Esci" has ended the run.
    QWidget* Schermo() const { return finita ? nullptr : nav.SchermoCaricato(); }
    // A click on a control of the loaded screen, which may hand over to the
    // next one; the screen left is deleted as the event loop would.
    void Premi(const char* nome) {
        QTest::mouseClick(Schermo()->findChild<QWidget*>(nome), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The settings in memory, as the settings file holds them.
    QByteArray Valori() const {
        return Impostazioni::ScriviValori(contesto.NumeroVoce, contesto.VelocitaVoce);
    }

    MessaggiRegistrati messaggi;
    Contesto contesto;
    IstanzaUnica istanza;
    Navigazione nav; // destroyed first: it deletes the screens
    bool finita = false;
};
