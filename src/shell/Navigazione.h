#pragma once

#include "layout/clsResize.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

class MotoreVoce;
class SchermoScalato;
struct BottoneEsercizio;
struct Contesto;

// The screen flow of the program. It builds the screens, connects what they
// ask for, and owns the one screen loaded at a time and the one layout
// scaler (Ridimensiona), which each scaled screen takes over as it loads. A
// screen that comes back is built anew.
//
// Hand-overs keep their order: the start screen and the menu show the next
// screen first and are then unloaded; the voice settings screen and an
// exercise screen are unloaded first, then the menu is loaded and shown.
// Unloading hides a screen at once and deletes it when control is back in
// the event loop, since it is unloaded from inside one of its own handlers.
class Navigazione : public QObject {
    Q_OBJECT
public:
    Navigazione(Contesto& contesto, MotoreVoce& motore, QObject* parent = nullptr);
    ~Navigazione() override;

    // Start-up: loads and shows the start screen.
    void MostraAvvio();

    // The screen loaded now.
    QWidget* SchermoCaricato() const { return schermo_.get(); }
    // The scaler of the scaled screen loaded last; none once "Esci" released it.
    clsResize* Ridimensiona() const { return ridimensiona_.get(); }

signals:
    // "Esci" answered Yes, the settings saved: the program must end now,
    // without handling any further event.
    void Fine();

private:
    // "Avvio": the menu, then the start screen unloaded.
    void ApriMenuDaAvvio();
    // An exercise button: its screen, built for its convention and shown;
    // then the menu is unloaded.
    void ApriEsercizio(const BottoneEsercizio& bottone);
    // "Imposta voce": the voice settings screen, then the menu unloaded.
    void ApriImposta();
    // "conferma" on the voice settings screen.
    void ConfermaImposta(QWidget* imposta);
    // The scaler is released, the screen hidden, and Fine() asks for the end.
    void Esci();

    // The menu, built and connected.
    QWidget* NuovoMenu();
    // The scaler step of loading a scaled screen.
    void CaricaRidimensiona(SchermoScalato* schermo);
    // Makes `nuovo` the loaded screen and shows it, then unloads the one
    // that handed over to it.
    void PassaA(QWidget* nuovo);
    // The return to the menu: unloads `schermo`, then loads and shows the menu.
    void TornaAlMenuDa(QWidget* schermo);
    void Scarica(QWidget* schermo);

    Contesto& contesto_;
    MotoreVoce& motore_;
    std::unique_ptr<clsResize> ridimensiona_;
    std::unique_ptr<QWidget> schermo_;
    // Unloaded screens, hidden and left to the event loop to delete; those
    // it has not reached yet go with the navigator.
    QList<QPointer<QWidget>> scaricati_;
};
