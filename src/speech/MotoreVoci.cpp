#include "speech/MotoreVoci.h"

#include "speech/RegistroVoce.h"

MotoreVoci::MotoreVoci(MotoreVoce& incorporato, MotoreVoce& servizio, QObject* parent)
    : MotoreVoce(parent), incorporato_(incorporato), servizio_(servizio), attivo_(&incorporato) {
    connect(&incorporato_, &MotoreVoce::Livello, this, &MotoreVoce::Livello);
    connect(&servizio_, &MotoreVoce::Livello, this, &MotoreVoce::Livello);
}

void MotoreVoci::RileggiVoci() {
    incorporato_.RileggiVoci();
    servizio_.RileggiVoci();
}

int MotoreVoci::NumeroVoci() const {
    return incorporato_.NumeroVoci() + servizio_.NumeroVoci();
}

QString MotoreVoci::NomeVoce(int numero) const {
    const int incorporate = incorporato_.NumeroVoci();
    return numero <= incorporate ? incorporato_.NomeVoce(numero)
                                 : servizio_.NomeVoce(numero - incorporate);
}

bool MotoreVoci::SelezionaVoce(int numero) {
    // The service is asked only for a number past the embedded voices.
    const int incorporate = incorporato_.NumeroVoci();
    MotoreVoce& motore = numero <= incorporate ? incorporato_ : servizio_;
    const int suo = numero <= incorporate ? numero : numero - incorporate;
    if (!motore.SelezionaVoce(suo))
        return false;
    if (attivo_ != &motore)
        attivo_->Ferma();
    attivo_ = &motore;
    voceAttiva_ = motore.NomeVoce(suo);
    return true;
}

void MotoreVoci::ImpostaVelocita(int velocita) {
    incorporato_.ImpostaVelocita(velocita);
    servizio_.ImpostaVelocita(velocita);
}

void MotoreVoci::Parla(const QString& testo) {
    qCDebug(registroVoce).noquote().nospace()
        << "spoken by: "
        << (attivo_ == &servizio_ ? QStringLiteral("speech-dispatcher, ")
                                  : QStringLiteral("embedded espeak-ng, "))
        << (voceAttiva_.isEmpty() ? QStringLiteral("preset voice") : voceAttiva_);
    attivo_->Parla(testo);
}

void MotoreVoci::Ferma() {
    incorporato_.Ferma();
    servizio_.Ferma();
}
