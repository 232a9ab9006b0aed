#pragma once

#include "layout/clsResize.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <memory>

class MotoreVoce;
struct BottoneEsercizio;
struct Contesto;

// The screen flow of the program. It owns the one screen loaded at a time
// and the one layout scaler (Ridimensiona), which the scaled screens replace
// with their own when they load. A screen that comes back is built anew.
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

    // The screen loaded now.
    QWidget* SchermoCaricato() const { return schermo_; }

    // Start-up: loads and shows the start screen.
    void MostraAvvio();
    // "Avvio": loads and shows the menu, then unloads the start screen.
    void ApriMenuDaAvvio();
    // An exercise button of the menu: the convention and, for the arrow
    // screens, the hours bar's maximum are set before the exercise is shown;
    // then the menu is unloaded.
    void ApriEsercizio(const BottoneEsercizio& bottone);
    // "Imposta voce": shows the voice settings screen, then unloads the menu.
    void ApriImposta();
    // "Esci" answered Yes (the settings are saved by then): the scaler is
    // released, the screen hidden, and Fine() asks for the end of the run.
    void Esci();

    std::unique_ptr<clsResize> Ridimensiona;

signals:
    // The program must end now, without handling any further event.
    void Fine();

private:
    // Makes `nuovo` the loaded screen and shows it, then unloads the one
    // that handed over to it.
    void PassaA(QWidget* nuovo);
    // The return to the menu: unloads `schermo`, then loads and shows the menu.
    void TornaAlMenuDa(QWidget* schermo);
    void Scarica(QWidget* schermo);

    Contesto& contesto_;
    MotoreVoce& motore_;
    QPointer<QWidget> schermo_;
    QList<QPointer<QWidget>> scaricati_; // hidden, waiting for deletion
};
