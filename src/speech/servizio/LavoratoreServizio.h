#pragma once

#include "speech/RegoleServizio.h"
#include "speech/servizio/SessioneServizio.h"

#include <QObject>

#include <atomic>
#include <future>
#include <memory>
#include <optional>

// The speech service's worker: it lives on the engine's thread and is the
// only code that talks to the service, which may make it wait for as long as
// it likes. It opens a session on first need, which starts the service when
// it is not running, and opens it afresh after the service failed.
class LavoratoreServizio : public QObject {
    Q_OBJECT
public:
    using Voci = std::optional<QList<VoceServizio>>;

    LavoratoreServizio();
    ~LavoratoreServizio() override;

    // Bumped by every stop, from any thread: texts posted before it are not
    // said.
    std::atomic<int> generazione{0};

    // The service's voices into `risposta` (nothing when it could not be
    // reached or stopped answering); then Lette.
    void Leggi(const std::shared_ptr<std::promise<Voci>>& risposta);
    // Hands `testo` to the service unless a stop came after it was posted
    // in `generazioneTesto`; then Preso.
    void Parla(const VoceServizio& voce, int ritmo, const QString& testo, int generazioneTesto);
    // Cuts what the service says of ours and drops what it holds.
    void Ferma();
    // Cuts what the service says of ours and closes the session: the
    // service would go on with the texts of a program that has ended.
    void Chiudi();

signals:
    void Lette();
    // The service's number for a text posted in `generazione`; -1 when it
    // was not said.
    void Preso(int generazione, int testo);
    // A text of ours began to sound, ended or was cut; emitted on a thread
    // of the service's library.
    void Evento(int testo, SessioneServizio::Evento evento);

private:
    SessioneServizio* Connessa();

    std::unique_ptr<SessioneServizio> sessione_;
};
