#include "speech/servizio/MotoreServizio.h"

#include "speech/RegistroVoce.h"
#include "speech/servizio/LavoratoreServizio.h"

namespace {

// The mouth's openings, one every BattitoMillisecondi, over and over: about
// the pace of syllables, never shut for two beats running.
constexpr float Aperture[] = {0.55f, 0.2f, 0.75f, 0.35f, 0.6f, 0.15f, 0.7f, 0.3f};
constexpr int BattitoMillisecondi = 90;
// How long the end of the engine waits for its thread to say goodbye.
constexpr std::chrono::milliseconds LimiteChiusura{500};

} // namespace

MotoreServizio::MotoreServizio(QObject* parent)
    : MotoreVoce(parent), lavoratore_(new LavoratoreServizio),
      filo_(lavoratore_, QStringLiteral("servizio-voce")) {
    setObjectName(QStringLiteral("speech-dispatcher"));
    connect(lavoratore_, &LavoratoreServizio::Lette, this, [this] {
        if (inArrivo_) { // an answer no reading waited for
            Accogli();
            emit VociCambiate();
        }
    });
    connect(lavoratore_, &LavoratoreServizio::Preso, this, &MotoreServizio::SuTesto);
    connect(lavoratore_, &LavoratoreServizio::Evento, this, &MotoreServizio::SuEvento);
    battito_.setInterval(BattitoMillisecondi);
    connect(&battito_, &QTimer::timeout, this,
            [this] { emit Livello(Aperture[passo_++ % std::size(Aperture)]); });
}

MotoreServizio::~MotoreServizio() {
    if (!filo_.Chiudi([l = lavoratore_] { l->Chiudi(); }, LimiteChiusura))
        qCWarning(registroVoce, "the speech service does not answer: its thread is left behind");
}

void MotoreServizio::RileggiVoci() {
    // A reading still unanswered is waited for again rather than queued
    // behind itself.
    if (!inArrivo_)
        AvviaLettura();
    if (lettura_.wait_for(LimiteAttesa) == std::future_status::ready)
        return Accogli();
    qCWarning(registroVoce, "the speech service did not answer yet: its voices come when it does");
    if (!voci_)
        voci_ = QList<VoceServizio>{};
}

void MotoreServizio::Sveglia() {
    if (!voci_ && !inArrivo_)
        AvviaLettura();
}

void MotoreServizio::AvviaLettura() {
    auto promessa = std::make_shared<std::promise<LavoratoreServizio::Voci>>();
    lettura_ = promessa->get_future().share();
    inArrivo_ = true;
    filo_.Avvia();
    filo_.Posta([l = lavoratore_, promessa] { l->Leggi(promessa); });
}

void MotoreServizio::Accogli() {
    inArrivo_ = false;
    voci_ = VociServizioOfferte(lettura_.get().value_or(QList<VoceServizio>{}));
    qCDebug(registroVoce) << "speech service voices:" << voci_->size();
}

const QList<VoceServizio>& MotoreServizio::Voci() const {
    if (!voci_)
        const_cast<MotoreServizio*>(this)->RileggiVoci();
    return *voci_;
}

int MotoreServizio::NumeroVoci() const {
    return int(Voci().size());
}

QString MotoreServizio::NomeVoce(int numero) const {
    const auto& voci = Voci();
    return numero >= 1 && numero <= voci.size() ? voci[numero - 1].NomeMostrato() : QString();
}

bool MotoreServizio::SelezionaVoce(int numero) {
    const auto& voci = Voci();
    if (numero < 1 || numero > voci.size())
        return false;
    scelta_ = voci[numero - 1];
    return true;
}

void MotoreServizio::ImpostaVelocita(int velocita) {
    ritmo_ = RitmoServizio(velocita);
}

void MotoreServizio::Parla(const QString& testo) {
    occupato_ = true;
    ++inViaggio_;
    const int generazione = lavoratore_->generazione.load();
    if (!scelta_) {
        qCWarning(registroVoce, "no voice of the speech service chosen: nothing is said");
        QMetaObject::invokeMethod(
            this, [this, generazione] { SuTesto(generazione, -1); }, Qt::QueuedConnection);
        return;
    }
    filo_.Avvia();
    filo_.Posta([l = lavoratore_, voce = *scelta_, ritmo = ritmo_, testo, generazione] {
        l->Parla(voce, ritmo, testo, generazione);
    });
}

void MotoreServizio::Ferma() {
    ChiudiBocca();
    // What the service holds of ours is cut with the stop below: only the
    // texts on their way to it are still to be heard of.
    presi_.clear();
    finitiPrima_.clear();
    ++lavoratore_->generazione;
    if (filo_.Avviato()) // else never connected: nothing of ours can be sounding
        filo_.Posta([l = lavoratore_] { l->Ferma(); });
    ForseSilenzio();
}

void MotoreServizio::SuTesto(int generazione, int testo) {
    --inViaggio_;
    // A text taken just before a stop was cut by it.
    if (testo >= 0 && generazione == lavoratore_->generazione.load() && !finitiPrima_.remove(testo))
        presi_.insert(testo);
    ForseSilenzio();
}

void MotoreServizio::ForseSilenzio() {
    if (inViaggio_ > 0)
        return;
    finitiPrima_.clear(); // ends of texts cut before: no news of them is to come
    if (occupato_ && presi_.isEmpty()) {
        occupato_ = false;
        emit Silenzio();
    }
}

void MotoreServizio::SuEvento(int testo, SessioneServizio::Evento evento) {
    if (evento != SessioneServizio::Evento::Inizio && !presi_.remove(testo))
        finitiPrima_.insert(testo);
    if (evento == SessioneServizio::Evento::Inizio) {
        inCorso_ = testo;
        passo_ = 0;
        emit Livello(Aperture[passo_++]);
        battito_.start();
    } else if (testo == inCorso_) {
        // An event for a text cut earlier says nothing about the one sounding.
        ChiudiBocca();
    }
    ForseSilenzio();
}

void MotoreServizio::ChiudiBocca() {
    inCorso_ = -1;
    if (battito_.isActive()) {
        battito_.stop();
        emit Livello(0.0f);
    }
}
