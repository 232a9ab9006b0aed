#include "shell/Navigazione.h"

#include "core/Contesto.h"
#include "exercises/SchermataEsercizio.h"
#include "shell/FormAvvio.h"
#include "shell/FormImposta.h"
#include "shell/FormMenu.h"
#include "shell/Impostazioni.h"
#include "shell/RegoleMenu.h"

#include <QScrollBar>

Navigazione::Navigazione(Contesto& contesto, MotoreVoce& motore, QObject* parent)
    : QObject(parent), contesto_(contesto), motore_(motore) {}

Navigazione::~Navigazione() {
    // Screens still waiting for the event loop are deleted here, with the
    // loaded one; the scaler goes with them.
    for (const QPointer<QWidget>& s : std::as_const(scaricati_))
        delete s.data();
    delete schermo_.data();
    Ridimensiona.reset();
}

void Navigazione::MostraAvvio() {
    PassaA(new FormAvvio(contesto_, *this));
}

void Navigazione::ApriMenuDaAvvio() {
    PassaA(new FormMenu(contesto_, *this));
}

void Navigazione::ApriEsercizio(const BottoneEsercizio& bottone) {
    SchermataEsercizio* esercizio = nullptr;
    if (bottone.Frecce) {
        // The arrow screens: built, given their bar's maximum, and only then
        // told the convention, which their activation reads.
        esercizio = new SchermataEsercizio(bottone.Bersaglio, contesto_, motore_);
        if (QScrollBar* barra = esercizio->vScroll1())
            barra->setMaximum(bottone.MassimoVScroll);
        contesto_.ModoOre = bottone.ModoOre;
    } else {
        contesto_.ModoOre = bottone.ModoOre;
        esercizio = new SchermataEsercizio(bottone.Bersaglio, contesto_, motore_);
    }
    connect(esercizio, &SchermataEsercizio::TornaAlMenu, this,
            [this, esercizio] { TornaAlMenuDa(esercizio); });
    PassaA(esercizio);
}

void Navigazione::ApriImposta() {
    auto* imposta = new FormImposta(contesto_, motore_, Ridimensiona);
    connect(imposta, &FormImposta::Conferma, this, [this, imposta] {
        // "conferma" always writes the file, changed or not. A file that
        // cannot be written is reported and leaves the choices in force for
        // this run.
        Impostazioni::SalvaOAvvisa(contesto_);
        TornaAlMenuDa(imposta);
    });
    PassaA(imposta);
}

void Navigazione::Esci() {
    Ridimensiona.reset();
    if (schermo_)
        schermo_->hide();
    emit Fine();
}

void Navigazione::PassaA(QWidget* nuovo) {
    QWidget* vecchio = schermo_;
    schermo_ = nuovo;
    nuovo->show();
    Scarica(vecchio);
}

void Navigazione::TornaAlMenuDa(QWidget* schermo) {
    Scarica(schermo);
    if (schermo_ == schermo)
        schermo_ = nullptr;
    PassaA(new FormMenu(contesto_, *this));
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
