#include "speech/servizio/LavoratoreServizio.h"

#include "speech/RegistroVoce.h"

#include <csignal>
#include <pthread.h>

LavoratoreServizio::LavoratoreServizio() = default;

LavoratoreServizio::~LavoratoreServizio() = default;

SessioneServizio* LavoratoreServizio::Connessa() {
    if (sessione_)
        return sessione_.get();
    // A write to a service that has gone raises SIGPIPE, which would end
    // the program: blocked on this thread (and so on the event thread the
    // library starts from here), the write just fails.
    sigset_t tubo;
    sigemptyset(&tubo);
    sigaddset(&tubo, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &tubo, nullptr);
    sessione_ = SessioneServizio::Apri(
        [this](int testo, SessioneServizio::Evento evento) { emit Evento(testo, evento); });
    return sessione_.get();
}

void LavoratoreServizio::Leggi(const std::shared_ptr<std::promise<Voci>>& risposta) {
    Voci voci;
    if (Connessa()) {
        voci = sessione_->Voci();
        if (!voci)
            sessione_.reset(); // it stopped answering: connect afresh next time
    }
    risposta->set_value(std::move(voci));
    emit Lette();
}

void LavoratoreServizio::Parla(const VoceServizio& voce, int ritmo, const QString& testo,
                               int generazioneTesto) {
    int numero = -1; // the service's number for the text, once it took it
    if (generazioneTesto != generazione.load()) {
        // a stop came after it: it is not said
    } else if (!Connessa() || (numero = sessione_->Parla(voce, ritmo, testo)) < 0) {
        qCWarning(registroVoce) << "the speech service did not take a text for"
                                << voce.NomeMostrato();
        sessione_.reset();
    }
    emit Preso(generazioneTesto, numero);
}

void LavoratoreServizio::Ferma() {
    if (sessione_ && !sessione_->Ferma())
        sessione_.reset();
}

void LavoratoreServizio::Chiudi() {
    if (sessione_)
        sessione_->Ferma();
    sessione_.reset();
}
