#include "speech/servizio/SessioneServizio.h"

#include "speech/Pronuncia.h"
#include "speech/RegistroVoce.h"

#include <libspeechd.h>

#include <map>
#include <mutex>
#include <pthread.h>

namespace {

// The library hands events to plain functions with no context but the
// client number the service gave the connection: each open session is found
// here by that number.
std::mutex usoAscolti;
std::map<size_t, SessioneServizio::Ascolto> ascolti;

void Notifica(size_t testo, size_t cliente, SPDNotificationType tipo) {
    // Closing a connection cancels the library's event thread; it must not
    // end in here, holding the lock or half way through posting an event.
    int stato = 0;
    pthread_setcancelstate(PTHREAD_CANCEL_DISABLE, &stato);
    {
        const std::lock_guard blocco(usoAscolti);
        const auto trovato = ascolti.find(cliente);
        if (trovato != ascolti.end()) {
            const auto evento = tipo == SPD_EVENT_BEGIN ? SessioneServizio::Evento::Inizio
                                : tipo == SPD_EVENT_END ? SessioneServizio::Evento::Fine
                                                        : SessioneServizio::Evento::Annullato;
            trovato->second(int(testo), evento);
        }
    }
    pthread_setcancelstate(stato, nullptr);
}

} // namespace

struct SessioneServizio::Connessione {
    SPDConnection* spd;
};

std::unique_ptr<SessioneServizio> SessioneServizio::Apri(Ascolto ascolto) {
    char* errore = nullptr;
    // Autospawn on, as for every client of the service: the library starts
    // the service when it is not running.
    SPDConnection* connessione = spd_open2("ertavino", "voce", nullptr, SPD_MODE_THREADED, nullptr,
                                           /*autospawn=*/1, &errore);
    if (connessione == nullptr) {
        qCDebug(registroVoce) << "speech service not reached:" << (errore ? errore : "");
        free(errore);
        return nullptr;
    }
    const int cliente = spd_get_client_id(connessione);
    std::unique_ptr<SessioneServizio> sessione(
        new SessioneServizio(std::make_unique<Connessione>(Connessione{connessione}), cliente));
    if (cliente < 0)
        return nullptr;
    {
        const std::lock_guard blocco(usoAscolti);
        ascolti[size_t(cliente)] = std::move(ascolto);
    }
    connessione->callback_begin = connessione->callback_end = connessione->callback_cancel =
        Notifica;
    if (spd_set_notification_on(connessione, SPD_BEGIN) != 0 ||
        spd_set_notification_on(connessione, SPD_END) != 0 ||
        spd_set_notification_on(connessione, SPD_CANCEL) != 0)
        return nullptr;
    return sessione;
}

SessioneServizio::SessioneServizio(std::unique_ptr<Connessione> connessione, int cliente)
    : connessione_(std::move(connessione)), cliente_(cliente) {}

SessioneServizio::~SessioneServizio() {
    {
        const std::lock_guard blocco(usoAscolti);
        ascolti.erase(size_t(cliente_));
    }
    spd_close(connessione_->spd);
}

std::optional<QList<VoceServizio>> SessioneServizio::Voci() {
    char** moduli = spd_list_modules(connessione_->spd);
    if (moduli == nullptr)
        return std::nullopt;
    QList<VoceServizio> voci;
    bool risposto = true;
    for (int m = 0; risposto && moduli[m] != nullptr; ++m) {
        const QString modulo = QString::fromUtf8(moduli[m]);
        if (ModuloRipetuto(modulo))
            continue;
        // A module's voices are listed for the module the connection speaks
        // with: the next text sets its own again.
        voceApplicata_.reset();
        if (spd_set_output_module(connessione_->spd, moduli[m]) != 0) {
            risposto = false;
            break;
        }
        // A module without voices answers with none at all.
        SPDVoice** elenco = spd_list_synthesis_voices(connessione_->spd);
        for (int v = 0; elenco != nullptr && elenco[v] != nullptr; ++v)
            voci.append({modulo, QString::fromUtf8(elenco[v]->name),
                         QString::fromUtf8(elenco[v]->language)});
        if (elenco != nullptr)
            free_spd_voices(elenco);
    }
    free_spd_modules(moduli);
    if (!risposto)
        return std::nullopt;
    return voci;
}

int SessioneServizio::Parla(const VoceServizio& voce, int ritmo, const QString& testo) {
    if (voceApplicata_ != voce) {
        // The language first: setting it afterwards would bring back the
        // language's default voice.
        if (spd_set_output_module(connessione_->spd, voce.modulo.toUtf8().constData()) != 0 ||
            spd_set_language(connessione_->spd, voce.lingua.toUtf8().constData()) != 0 ||
            spd_set_synthesis_voice(connessione_->spd, voce.nome.toUtf8().constData()) != 0)
            return -1;
        voceApplicata_ = voce;
    }
    if (ritmoApplicato_ != ritmo) {
        if (spd_set_voice_rate(connessione_->spd, ritmo) != 0)
            return -1;
        ritmoApplicato_ = ritmo;
    }
    // Priority "message": texts of one client queue in order, and the
    // service's plain "text" from other programs does not cancel them.
    return spd_say(connessione_->spd, SPD_MESSAGE, TestoDaPronunciare(testo).toUtf8().constData());
}

bool SessioneServizio::Ferma() {
    return spd_cancel(connessione_->spd) == 0;
}
