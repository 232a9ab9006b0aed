#include "speech/servizio/MotoreServizio.h"

#include "speech/RegistroVoce.h"

#include <condition_variable>
#include <csignal>
#include <deque>
#include <mutex>
#include <pthread.h>

namespace {

// The mouth's openings, one every BattitoMillisecondi, over and over: about
// the pace of syllables, never shut for two beats running.
constexpr float Aperture[] = {0.55f, 0.2f, 0.75f, 0.35f, 0.6f, 0.15f, 0.7f, 0.3f};
constexpr int BattitoMillisecondi = 90;
// How long the end of the engine waits for its thread to say goodbye.
constexpr std::chrono::milliseconds LimiteChiusura{500};

} // namespace

// What the engine and its thread share; it outlives the engine when the
// thread is left behind.
struct MotoreServizio::Condiviso {
    std::mutex uso;
    std::condition_variable risveglio;
    std::deque<Lavoro> coda;
    bool chiudi = false;
    // Bumped by every stop: texts posted before it are not spoken.
    std::atomic<int> generazione{0};

    // Where the service's events and answers go; null once the engine is gone.
    std::mutex usoDestinatario;
    MotoreServizio* destinatario = nullptr;

    // Runs `fare` on the engine's thread, if the engine is still there.
    template <class F> void Consegna(F fare) {
        const std::lock_guard blocco(usoDestinatario);
        if (destinatario)
            QMetaObject::invokeMethod(
                destinatario, [d = destinatario, fare = std::move(fare)] { fare(*d); },
                Qt::QueuedConnection);
    }

    // The session, opened on first need and again after the service failed.
    static SessioneServizio* Connessa(const std::shared_ptr<Condiviso>& condiviso,
                                      std::unique_ptr<SessioneServizio>& sessione) {
        if (!sessione)
            sessione =
                SessioneServizio::Apri([condiviso](int testo, SessioneServizio::Evento evento) {
                    condiviso->Consegna([=](MotoreServizio& m) { m.SuEvento(testo, evento); });
                });
        return sessione.get();
    }

    static void Esegui(std::shared_ptr<Condiviso> condiviso, std::promise<void> finito) {
        pthread_setname_np(pthread_self(), "servizio-voce");
        // A write to a service that has gone raises SIGPIPE, which would end
        // the program: blocked here (and so on the event thread the library
        // starts from here), the write just fails.
        sigset_t tubo;
        sigemptyset(&tubo);
        sigaddset(&tubo, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &tubo, nullptr);
        std::unique_ptr<SessioneServizio> sessione;
        for (;;) {
            Lavoro lavoro;
            {
                std::unique_lock blocco(condiviso->uso);
                condiviso->risveglio.wait(
                    blocco, [&] { return condiviso->chiudi || !condiviso->coda.empty(); });
                if (condiviso->chiudi)
                    break;
                lavoro = std::move(condiviso->coda.front());
                condiviso->coda.pop_front();
            }
            lavoro(sessione);
        }
        // The service would go on with the texts of a program that has ended.
        if (sessione)
            sessione->Ferma();
        sessione.reset();
        finito.set_value();
    }
};

MotoreServizio::MotoreServizio(QObject* parent)
    : MotoreVoce(parent), condiviso_(std::make_shared<Condiviso>()) {
    condiviso_->destinatario = this;
    setObjectName(QStringLiteral("speech-dispatcher"));
    battito_.setInterval(BattitoMillisecondi);
    connect(&battito_, &QTimer::timeout, this,
            [this] { emit Livello(Aperture[passo_++ % std::size(Aperture)]); });
}

MotoreServizio::~MotoreServizio() {
    {
        const std::lock_guard blocco(condiviso_->usoDestinatario);
        condiviso_->destinatario = nullptr;
    }
    if (!filo_.joinable())
        return;
    {
        const std::lock_guard blocco(condiviso_->uso);
        condiviso_->chiudi = true;
    }
    condiviso_->risveglio.notify_one();
    if (finito_.wait_for(LimiteChiusura) == std::future_status::ready) {
        filo_.join();
    } else {
        qCWarning(registroVoce, "the speech service does not answer: its thread is left behind");
        filo_.detach();
    }
}

void MotoreServizio::Accoda(Lavoro lavoro) const {
    if (!filo_.joinable()) {
        std::promise<void> finito;
        finito_ = finito.get_future();
        filo_ = std::thread(&Condiviso::Esegui, condiviso_, std::move(finito));
    }
    {
        const std::lock_guard blocco(condiviso_->uso);
        condiviso_->coda.push_back(std::move(lavoro));
    }
    condiviso_->risveglio.notify_one();
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
    auto promessa = std::make_shared<std::promise<std::optional<QList<VoceServizio>>>>();
    lettura_ = promessa->get_future().share();
    inArrivo_ = true;
    Accoda([condiviso = condiviso_, promessa](std::unique_ptr<SessioneServizio>& sessione) {
        std::optional<QList<VoceServizio>> voci;
        if (Condiviso::Connessa(condiviso, sessione)) {
            voci = sessione->Voci();
            if (!voci)
                sessione.reset(); // it stopped answering: connect afresh next time
        }
        promessa->set_value(std::move(voci));
        condiviso->Consegna([](MotoreServizio& m) {
            if (m.inArrivo_) { // an answer no reading waited for
                m.Accogli();
                emit m.VociCambiate();
            }
        });
    });
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
    const int generazione = condiviso_->generazione.load();
    if (!scelta_) {
        qCWarning(registroVoce, "no voice of the speech service chosen: nothing is said");
        QMetaObject::invokeMethod(
            this, [this, generazione] { SuTesto(generazione, -1); }, Qt::QueuedConnection);
        return;
    }
    Accoda([condiviso = condiviso_, voce = *scelta_, ritmo = ritmo_, testo,
            generazione](std::unique_ptr<SessioneServizio>& sessione) {
        int numero = -1; // the service's number for the text, once it took it
        if (generazione != condiviso->generazione.load()) {
            // a stop came after it: it is not said
        } else if (!Condiviso::Connessa(condiviso, sessione) ||
                   (numero = sessione->Parla(voce, ritmo, testo)) < 0) {
            qCWarning(registroVoce)
                << "the speech service did not take a text for" << voce.NomeMostrato();
            sessione.reset();
        }
        condiviso->Consegna([=](MotoreServizio& m) { m.SuTesto(generazione, numero); });
    });
}

void MotoreServizio::Ferma() {
    ChiudiBocca();
    // What the service holds of ours is cut with the stop below: only the
    // texts on their way to it are still to be heard of.
    presi_.clear();
    finitiPrima_.clear();
    ++condiviso_->generazione;
    if (filo_.joinable()) // else never connected: nothing of ours can be sounding
        Accoda([](std::unique_ptr<SessioneServizio>& sessione) {
            if (sessione && !sessione->Ferma())
                sessione.reset();
        });
    ForseSilenzio();
}

void MotoreServizio::SuTesto(int generazione, int testo) {
    --inViaggio_;
    // A text taken just before a stop was cut by it.
    if (testo >= 0 && generazione == condiviso_->generazione.load() && !finitiPrima_.remove(testo))
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
