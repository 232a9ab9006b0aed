#include "speech/LavoratoreVoce.h"

#include "speech/RegistroVoce.h"
#include "speech/Sonorita.h"

#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
// How often the output is fed and the mouth's opening measured.
constexpr int BattitoMillisecondi = 20;
// The stretch of sound the opening is measured on.
constexpr int FinestraMillisecondi = 30;
} // namespace

LavoratoreVoce::LavoratoreVoce(FabbricaSintetizzatore sintetizzatore, FabbricaUscita fabbrica,
                               const std::atomic<int>& generazione,
                               std::promise<QList<VoceItaliana>> voci)
    : fabbricaSintetizzatore_(std::move(sintetizzatore)), fabbrica_(std::move(fabbrica)),
      generazione_(generazione), promessaVoci_(std::move(voci)) {}

LavoratoreVoce::~LavoratoreVoce() = default;

void LavoratoreVoce::Avvia() {
    promessaVoci_.set_value(Prepara());
}

QList<VoceItaliana> LavoratoreVoce::Prepara() {
    sessione_ = fabbricaSintetizzatore_();
    QList<VoceItaliana> voci = sessione_->VociDisponibili();
    campioniAlSecondo_ = voci.isEmpty() ? 0 : sessione_->CampioniAlSecondo();
    if (campioniAlSecondo_ == 0) {
        // Nothing to say with: let another engine have the synthesizer.
        sessione_.reset();
        return voci;
    }
    uscita_ = fabbrica_();
    uscita_->Prepara(campioniAlSecondo_);
    if (!battito_) {
        battito_ = new QTimer(this);
        battito_->setInterval(BattitoMillisecondi);
        connect(battito_, &QTimer::timeout, this, &LavoratoreVoce::Alimenta);
    }
    return voci;
}

QList<VoceItaliana> LavoratoreVoce::Voci() {
    if (!sessione_)
        return Prepara();
    // Listing tries every voice on the synthesizer and leaves it on the plain
    // one: the next text applies its voice and speed again.
    voceApplicata_.clear();
    velocitaApplicata_.reset();
    return sessione_->VociDisponibili();
}

void LavoratoreVoce::Chiudi() {
    if (battito_)
        battito_->stop();
    if (uscita_)
        uscita_->Ferma();
    uscita_.reset();
    sessione_.reset();
}

void LavoratoreVoce::ScegliVoce(const QString& nomeSintetizzatore) {
    voce_ = nomeSintetizzatore;
}

void LavoratoreVoce::ImpostaVelocita(int velocita) {
    velocita_ = velocita;
}

bool LavoratoreVoce::Aggiornato() {
    const int generazione = generazione_.load();
    if (generazione == generazioneAttiva_)
        return true;
    // A stop came: silence now and forget everything older.
    generazioneAttiva_ = generazione;
    if (attivo_)
        Termina();
    return false;
}

void LavoratoreVoce::Parla(const QString& testo, int generazione) {
    Aggiornato();
    ++ricevuti_;
    if (!sessione_ || generazione != generazioneAttiva_) {
        // Nothing to say it with, or spoken before a stop that has since come.
        if (!attivo_)
            emit Silenzio(ricevuti_);
        return;
    }
    // Loading a voice takes the synthesizer longer than starting a sentence:
    // it is done only when the choice changed.
    if (voce_ != voceApplicata_) {
        if (!sessione_->ScegliVoce(voce_)) {
            // The voice was checked when listed; if it has gone since, the
            // plain Italian voice speaks rather than nothing.
            qCWarning(registroVoce) << "voice" << voce_ << "no longer available";
            sessione_->ScegliVoce(QStringLiteral("it"));
        }
        voceApplicata_ = voce_;
        velocitaApplicata_.reset();
    }
    if (velocitaApplicata_ != velocita_) {
        sessione_->ImpostaVelocita(velocita_);
        velocitaApplicata_ = velocita_;
    }

    attivo_ = true;
    sintetizzando_ = true;
    const bool preso =
        sessione_->Sintetizza(testo, [this, generazione](const qint16* campioni, int quanti) {
            // A stop since this text began abandons the rest of it. The check is
            // against the text's own generation: the Alimenta below may already
            // have taken the stop in, and moved the active generation on.
            if (generazione_.load() != generazione)
                return false;
            daConsegnare_.append(reinterpret_cast<const char*>(campioni),
                                 qsizetype(quanti) * qsizetype(sizeof(qint16)));
            // The first piece goes out now, not at the next tick.
            Alimenta();
            return true;
        });
    sintetizzando_ = false;
    if (!preso) // what was made of it, if anything, is still heard
        qCWarning(registroVoce).noquote() << "the synthesizer did not take:" << testo;
    if (attivo_)
        Alimenta();
    if (attivo_ && !battito_->isActive())
        battito_->start();
}

void LavoratoreVoce::Alimenta() {
    if (!uscita_ || !Aggiornato() || !attivo_)
        return;
    if (!daConsegnare_.isEmpty()) {
        const qint64 presi = uscita_->Scrivi(daConsegnare_.constData(), daConsegnare_.size());
        consegnato_.append(daConsegnare_.constData(), presi);
        daConsegnare_.remove(0, presi);
    }
    const qint64 sentiti = std::min<qint64>(uscita_->Suonati(), consegnato_.size());
    if (!sintetizzando_ && daConsegnare_.isEmpty() && sentiti >= consegnato_.size()) {
        Termina();
        return;
    }
    // The opening follows the sound being heard now.
    const qsizetype finestra = qsizetype(campioniAlSecondo_) * FinestraMillisecondi / 1000;
    const qsizetype inizio = sentiti / qsizetype(sizeof(qint16));
    const qsizetype quanti =
        std::min(finestra, consegnato_.size() / qsizetype(sizeof(qint16)) - inizio);
    const float livello =
        Sonorita(reinterpret_cast<const qint16*>(consegnato_.constData()) + inizio, quanti);
    if (std::abs(livello - ultimoLivello_) >= 0.02f) {
        ultimoLivello_ = livello;
        emit Livello(livello);
    }
}

void LavoratoreVoce::Termina() {
    attivo_ = false;
    if (battito_)
        battito_->stop();
    uscita_->Ferma();
    daConsegnare_.clear();
    consegnato_.clear();
    ultimoLivello_ = 0.0f;
    emit Livello(0.0f);
    emit Silenzio(ricevuti_);
}
