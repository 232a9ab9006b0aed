#pragma once

#include "speech/Sintetizzatore.h"
#include "speech/UscitaAudio.h"
#include "speech/VelocitaVoce.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>

class QTimer;

using FabbricaSintetizzatore = std::function<std::unique_ptr<Sintetizzatore>()>;
using FabbricaUscita = std::function<std::unique_ptr<UscitaAudio>()>;

// An embedded speech engine's worker: it lives on the engine's own thread and
// is the only code that calls the synthesizer, which it makes there. Texts are synthesized as their
// turn comes (the thread's event queue is the speech queue) and the sound goes into a queue that is
// fed to the output as fast as it takes it.
//
// Stopping goes through `generazione`, which the user-interface thread bumps
// without waiting: texts and sound of an older generation are thrown away,
// and a synthesis in progress is abandoned at its next piece of sound.
class LavoratoreVoce : public QObject {
    Q_OBJECT
public:
    LavoratoreVoce(FabbricaSintetizzatore sintetizzatore, FabbricaUscita fabbrica,
                   const std::atomic<int>& generazione, std::promise<QList<VoceItaliana>> voci);
    ~LavoratoreVoce() override;

    // Starts the synthesizer and the output and publishes the voice list.
    void Avvia();
    // The voices installed now, read again from the voice data. Without a
    // synthesizer yet (no voice data at the start) it tries to start one.
    QList<VoceItaliana> Voci();
    // Releases the synthesizer and the output, on the worker thread.
    void Chiudi();

    void ScegliVoce(const QString& nomeSintetizzatore);
    void ImpostaVelocita(int velocita);
    void Parla(const QString& testo, int generazione);
    // Acts on a stop at once instead of at the next tick.
    void Controlla() { Alimenta(); }

signals:
    void Livello(float livello);
    // Everything queued has been heard (or thrown away by a stop, or found
    // unspeakable); `ricevuti` counts the texts handed to Parla so far, so
    // that the engine can tell a silence after its last text from one before.
    void Silenzio(int ricevuti);

private:
    // Starts the synthesizer and, once it has voices, the output.
    QList<VoceItaliana> Prepara();
    bool Aggiornato();
    void Alimenta();
    void Termina();

    FabbricaSintetizzatore fabbricaSintetizzatore_;
    FabbricaUscita fabbrica_;
    const std::atomic<int>& generazione_;
    std::promise<QList<VoceItaliana>> promessaVoci_;

    std::unique_ptr<Sintetizzatore> sessione_;
    std::unique_ptr<UscitaAudio> uscita_;
    QTimer* battito_ = nullptr;
    int campioniAlSecondo_ = 0;

    QString voce_ = QStringLiteral("it");
    int velocita_ = VelocitaPredefinita;
    // What the synthesizer was last set to.
    QString voceApplicata_;
    std::optional<int> velocitaApplicata_;

    int generazioneAttiva_ = 0;
    int ricevuti_ = 0;
    bool attivo_ = false; // something is queued, synthesizing or sounding
    bool sintetizzando_ = false;
    QByteArray daConsegnare_; // synthesized, not yet taken by the output
    QByteArray consegnato_;   // taken by the output since it last fell silent
    float ultimoLivello_ = 0.0f;
};
