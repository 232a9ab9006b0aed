#pragma once

#include "speech/RegoleServizio.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// One connection to the desktop's speech service (speech-dispatcher). Every
// call waits for the service's answer, for as long as the service takes: a
// session belongs to a thread that may wait, and be given up on, never to the
// user-interface thread. It is opened, used and closed on that one thread.
class SessioneServizio {
public:
    enum class Evento { Inizio, Fine, Annullato };
    // Hears when each text starts to sound and when it ends or is cut, with
    // the number the service gave the text; called on a thread of the
    // service's library.
    using Ascolto = std::function<void(int testo, Evento evento)>;

    // Connects to the service of this desktop session, starting it when it is
    // not running. Null when it is not installed, did not start or refused.
    static std::unique_ptr<SessioneServizio> Apri(Ascolto ascolto);
    ~SessioneServizio();
    SessioneServizio(const SessioneServizio&) = delete;
    SessioneServizio& operator=(const SessioneServizio&) = delete;

    // Every voice of every output module but the repeated ones, as listed;
    // nothing when the service stopped answering.
    std::optional<QList<VoceServizio>> Voci();
    // Queues `testo` (read as TestoDaPronunciare hands it on) in `voce` at
    // `ritmo` behind this session's earlier texts. The service's number for
    // it, which its events carry; -1 when the service failed to take it.
    int Parla(const VoceServizio& voce, int ritmo, const QString& testo);
    // Cuts the text sounding and drops those queued. False when the service
    // failed to answer.
    bool Ferma();

private:
    struct Connessione; // the library's, kept out of this header
    SessioneServizio(std::unique_ptr<Connessione> connessione, int cliente);

    std::unique_ptr<Connessione> connessione_;
    int cliente_;
    // What the connection was last set to.
    std::optional<VoceServizio> voceApplicata_;
    std::optional<int> ritmoApplicato_;
};
