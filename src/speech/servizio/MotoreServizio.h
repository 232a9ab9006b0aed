#pragma once

#include "speech/FiloVoce.h"
#include "speech/MotoreVoce.h"
#include "speech/RegoleServizio.h"
#include "speech/servizio/SessioneServizio.h"

#include <QSet>
#include <QTimer>

#include <chrono>
#include <future>
#include <optional>

class LavoratoreServizio;

// The voices of the desktop's speech service (speech-dispatcher) as an engine
// of their own, numbered from 1 in the order VociServizioOfferte gives.
//
// The service is reached from the engine's own thread (FiloVoce), started by
// the first request that needs the service: reading the voice list, or
// speaking. Creating the engine, setting the speed or stopping it before then
// connects to nothing. A service that is not running is started, as every
// client of it does, on that thread. Requests are posted to it and return at
// once; reading the list waits for the service's answer at most LimiteAttesa.
// A service that answers later brings its voices then (VociCambiate); until
// it does, the list is the one read last. One that is not installed, refuses
// the connection or fails leaves the list empty, and nothing is said about it
// but a log line.
//
// The sound goes from the service to the sound server without passing
// through the program: Livello follows the service's events instead, moving
// in a talking rhythm from the start of each text to its end.
class MotoreServizio : public MotoreVoce {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds LimiteAttesa{180};

    explicit MotoreServizio(QObject* parent = nullptr);
    // Waits a little for the thread to cut the speech and close the
    // connection; a thread stuck on a service that does not answer is left
    // behind, and the end of the process takes it.
    ~MotoreServizio() override;

    void RileggiVoci() override;
    int NumeroVoci() const override;
    QString NomeVoce(int numero) const override;
    bool SelezionaVoce(int numero) override;
    void ImpostaVelocita(int velocita) override;
    void Parla(const QString& testo) override;
    void Ferma() override;
    bool VociInArrivo() const override { return inArrivo_; }
    // Reads the voices once, connecting (and so starting the service) now.
    void Sveglia() override;

private:
    const QList<VoceServizio>& Voci() const;
    void AvviaLettura();
    void Accogli();
    void SuTesto(int generazione, int testo);
    void SuEvento(int testo, SessioneServizio::Evento evento);
    void ChiudiBocca();
    void ForseSilenzio();

    LavoratoreServizio* lavoratore_;
    FiloVoce filo_;
    // The list read last, and a reading the service has not answered yet.
    mutable std::optional<QList<VoceServizio>> voci_;
    std::shared_future<std::optional<QList<VoceServizio>>> lettura_;
    bool inArrivo_ = false; // lettura_ has not been taken in yet

    // Texts posted and not yet taken by the service (or dropped), and the
    // service's numbers of those it took and has not finished or cut; an
    // end may come before the news that its text was taken.
    int inViaggio_ = 0;
    QSet<int> presi_, finitiPrima_;
    bool occupato_ = false; // a Silenzio is due

    std::optional<VoceServizio> scelta_;
    int ritmo_ = 0;

    QTimer battito_;
    int inCorso_ = -1; // the service's number for the text sounding now
    int passo_ = 0;
};
