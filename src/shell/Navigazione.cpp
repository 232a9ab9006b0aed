#include "shell/Navigazione.h"

#include "core/Contesto.h"
#include "core/Messaggi.h"
#include "exercises/SchermataEsercizio.h"
#include "shell/FormAvvio.h"
#include "shell/FormImposta.h"
#include "shell/FormMenu.h"
#include "shell/Impostazioni.h"
#include "shell/RegoleMenu.h"

Navigazione::Navigazione(Contesto& contesto, MotoreVoce& motore, QObject* parent)
    : QObject(parent), contesto_(contesto), motore_(motore) {}

Navigazione::~Navigazione() {
    for (const QPointer<QWidget>& s : std::as_const(scaricati_))
        delete s.data();
}

void Navigazione::MostraAvvio() {
    auto* avvio = new FormAvvio(contesto_);
    connect(avvio, &FormAvvio::Avvio, this, &Navigazione::ApriMenuDaAvvio);
    CaricaRidimensiona(avvio);
    PassaA(avvio);
}

void Navigazione::ApriMenuDaAvvio() {
    PassaA(NuovoMenu());
}

QWidget* Navigazione::NuovoMenu() {
    auto* menu = new FormMenu(contesto_);
    connect(menu, &FormMenu::EsercizioScelto, this, &Navigazione::ApriEsercizio);
    connect(menu, &FormMenu::ImpostaVoceScelto, this, &Navigazione::ApriImposta);
    connect(menu, &FormMenu::Uscita, this, &Navigazione::Esci);
    CaricaRidimensiona(menu);
    return menu;
}

void Navigazione::ApriEsercizio(const BottoneEsercizio& bottone) {
    auto* esercizio =
        new SchermataEsercizio(bottone.Esercizio, bottone.ModoOre, contesto_, motore_);
    connect(esercizio, &SchermataEsercizio::TornaAlMenu, this,
            [this, esercizio] { TornaAlMenuDa(esercizio); });
    PassaA(esercizio);
}

void Navigazione::ApriImposta() {
    auto* imposta = new FormImposta(contesto_, motore_);
    connect(imposta, &FormImposta::Conferma, this, [this, imposta] { ConfermaImposta(imposta); });
    CaricaRidimensiona(imposta);
    PassaA(imposta);
}

void Navigazione::ConfermaImposta(QWidget* imposta) {
    // "conferma" always writes the file, changed or not. A file that cannot
    // be written is reported and leaves the choices in force for this run.
    Impostazioni::SalvaOAvvisa(contesto_, imposta);
    TornaAlMenuDa(imposta);
}

void Navigazione::Esci() {
    ridimensiona_.reset();
    if (schermo_)
        schermo_->hide();
    emit Fine();
}

// A new scaler, bound to the screen, replaces the program's (the previous
// one is released) and gives the screen 75 per cent of the display. From
// then on each resize of the screen scales its controls, as long as the
// scaler is its own: during a hand-over it already belongs to the next screen.
void Navigazione::CaricaRidimensiona(SchermoScalato* schermo) {
    connect(schermo, &SchermoScalato::Ridimensionato, this, [this, schermo] {
        if (ridimensiona_ && ridimensiona_->SourceForm() == schermo)
            ridimensiona_->ResizeControls();
    });
    ridimensiona_ = std::make_unique<clsResize>();
    ridimensiona_->SetSourceForm(schermo);
    ridimensiona_->SizeFormToScreen(75);
}

void Navigazione::PassaA(QWidget* nuovo) {
    std::unique_ptr<QWidget> vecchio = std::exchange(schermo_, std::unique_ptr<QWidget>(nuovo));
    // No screen has a caption of its own: the title bar, the taskbar and the
    // window switcher show the program's name, as it is written.
    nuovo->setWindowTitle(TitoloProgramma);
    nuovo->show();
    Scarica(vecchio.release());
}

void Navigazione::TornaAlMenuDa(QWidget* schermo) {
    if (schermo_.get() == schermo)
        schermo_.release();
    Scarica(schermo);
    PassaA(NuovoMenu());
}

void Navigazione::Scarica(QWidget* schermo) {
    if (!schermo)
        return;
    schermo->disconnect(this);
    schermo->hide();
    schermo->deleteLater();
    scaricati_.removeAll(nullptr);
    scaricati_.append(schermo);
}
