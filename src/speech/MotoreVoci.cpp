#include "speech/MotoreVoci.h"

#include "speech/RegistroVoce.h"

Q_LOGGING_CATEGORY(registroVoce, "ertavino.speech", QtWarningMsg)

MotoreVoci::MotoreVoci(QList<MotoreVoce*> motori, QObject* parent, std::chrono::milliseconds limite)
    : MotoreVoce(parent), motori_(std::move(motori)) {
    attesa_.setSingleShot(true);
    attesa_.setInterval(limite);
    connect(&attesa_, &QTimer::timeout, this, &MotoreVoci::Sblocca);
    for (MotoreVoce* motore : motori_) {
        connect(motore, &MotoreVoce::Livello, this, [this, motore](float livello) {
            if (attesa_.isActive() && occupati_.contains(motore))
                attesa_.start(); // still speaking: the wait goes on
            emit Livello(livello);
        });
        connect(motore, &MotoreVoce::VociCambiate, this, &MotoreVoce::VociCambiate);
        connect(motore, &MotoreVoce::Silenzio, this, [this, motore] {
            occupati_.remove(motore);
            Consegna();
            if (occupati_.isEmpty() && inAttesa_.isEmpty())
                emit Silenzio();
        });
    }
}

std::pair<MotoreVoce*, int> MotoreVoci::Motore(int numero) const {
    for (MotoreVoce* motore : motori_) {
        if (numero < 1)
            break;
        const int suoi = motore->NumeroVoci();
        if (numero <= suoi)
            return {motore, numero};
        numero -= suoi;
    }
    return {nullptr, 0};
}

void MotoreVoci::RileggiVoci() {
    for (MotoreVoce* motore : motori_)
        motore->RileggiVoci();
}

int MotoreVoci::NumeroVoci() const {
    int voci = 0;
    for (const MotoreVoce* motore : motori_)
        voci += motore->NumeroVoci();
    return voci;
}

QString MotoreVoci::NomeVoce(int numero) const {
    const auto [motore, suo] = Motore(numero);
    return motore ? motore->NomeVoce(suo) : QString();
}

bool MotoreVoci::SelezionaVoce(int numero) {
    qCDebug(registroVoce, "voice: %d", numero);
    const auto [motore, suo] = Motore(numero);
    if (!motore || !motore->SelezionaVoce(suo))
        return false;
    attivo_ = motore;
    voceAttiva_ = motore->NomeVoce(suo);
    return true;
}

void MotoreVoci::ImpostaVelocita(int velocita) {
    qCDebug(registroVoce, "speed: %d", velocita);
    for (MotoreVoce* motore : motori_)
        motore->ImpostaVelocita(velocita);
}

void MotoreVoci::Parla(const QString& testo) {
    qCDebug(registroVoce).noquote().nospace() << "speak: " << testo;
    if (!attivo_) // no voice selected yet: voice 1's engine speaks
        attivo_ = Motore(1).first;
    if (!attivo_)
        return;
    qCDebug(registroVoce).noquote().nospace()
        << "spoken by: " << attivo_->objectName() << ", "
        << (voceAttiva_.isEmpty() ? QStringLiteral("preset voice") : voceAttiva_);
    inAttesa_.append({attivo_, testo});
    Consegna();
}

void MotoreVoci::Consegna() {
    while (!inAttesa_.isEmpty()) {
        MotoreVoce* motore = inAttesa_.first().first;
        if (std::any_of(occupati_.cbegin(), occupati_.cend(),
                        [motore](const MotoreVoce* m) { return m != motore; })) {
            if (!attesa_.isActive()) // another voice is still speaking
                attesa_.start();
            return;
        }
        const QString testo = inAttesa_.takeFirst().second;
        occupati_.insert(motore);
        motore->Parla(testo);
    }
    attesa_.stop();
}

void MotoreVoci::Sblocca() {
    if (inAttesa_.isEmpty())
        return;
    MotoreVoce* prossimo = inAttesa_.first().first;
    for (MotoreVoce* motore : QSet(occupati_)) {
        if (motore == prossimo)
            continue;
        qCWarning(registroVoce).noquote()
            << motore->objectName() << "gave no sign for" << attesa_.interval()
            << "ms while a text waited: it is stopped and no longer waited for";
        occupati_.remove(motore);
        motore->Ferma();
    }
    Consegna();
}

void MotoreVoci::Ferma() {
    qCDebug(registroVoce, "stop");
    // The engines that were speaking fall silent and say so; until then a
    // new text for another engine waits.
    inAttesa_.clear();
    attesa_.stop();
    for (MotoreVoce* motore : motori_)
        motore->Ferma();
}

bool MotoreVoci::VociInArrivo() const {
    return std::any_of(motori_.cbegin(), motori_.cend(),
                       [](const MotoreVoce* m) { return m->VociInArrivo(); });
}

void MotoreVoci::PreparaVoce(int numero) {
    for (MotoreVoce* motore : motori_) {
        motore->Sveglia();
        if (motore == motori_.last() || (numero -= motore->NumeroVoci()) <= 0)
            return;
    }
}
