#include "speech/MotoreEspeak.h"

#include "speech/UscitaAudioPulse.h"

MotoreEspeak::MotoreEspeak(QObject* parent) : MotoreEspeak(Opzioni{}, parent) {}

MotoreEspeak::MotoreEspeak(Opzioni opzioni, QObject* parent) : MotoreVoce(parent) {
    FabbricaUscita fabbrica = opzioni.uscita ? std::move(opzioni.uscita) : [] {
        return std::unique_ptr<UscitaAudio>(new UscitaAudioPulse);
    };
    std::promise<QList<VoceItaliana>> promessa;
    primeVoci_ = promessa.get_future().share();
    lavoratore_ = new LavoratoreVoce(std::move(opzioni.cartellaDati), std::move(fabbrica),
                                     generazione_, std::move(promessa));
    lavoratore_->moveToThread(&filo_);
    connect(&filo_, &QThread::finished, lavoratore_, &QObject::deleteLater);
    connect(lavoratore_, &LavoratoreVoce::Livello, this, &MotoreVoce::Livello);
    connect(lavoratore_, &LavoratoreVoce::Silenzio, this, &MotoreEspeak::Silenzio);
    filo_.setObjectName(QStringLiteral("voce"));
    // Requests posted before the thread runs wait in its queue, behind Avvia.
    QMetaObject::invokeMethod(lavoratore_, &LavoratoreVoce::Avvia, Qt::QueuedConnection);
    if (!opzioni.avvioRinviato)
        AvviaSintetizzatore();
}

void MotoreEspeak::AvviaSintetizzatore() const {
    if (!filo_.isRunning() && !filo_.isFinished())
        filo_.start();
}

MotoreEspeak::~MotoreEspeak() {
    // Abandon any synthesis at once, then let the worker release the
    // synthesizer and the output on its own thread before the thread ends.
    ++generazione_;
    AvviaSintetizzatore();
    QMetaObject::invokeMethod(lavoratore_, &LavoratoreVoce::Chiudi, Qt::BlockingQueuedConnection);
    filo_.quit();
    filo_.wait();
}

const QList<VoceItaliana>& MotoreEspeak::Voci() const {
    if (!voci_) {
        AvviaSintetizzatore();
        voci_ = primeVoci_.get();
    }
    return *voci_;
}

void MotoreEspeak::RileggiVoci() {
    Voci(); // the start comes first on the thread; this waits for it
    QList<VoceItaliana> lette;
    QMetaObject::invokeMethod(
        lavoratore_, [l = lavoratore_, &lette] { lette = l->Voci(); },
        Qt::BlockingQueuedConnection);
    voci_ = std::move(lette);
}

int MotoreEspeak::NumeroVoci() const {
    return int(Voci().size());
}

QString MotoreEspeak::NomeVoce(int numero) const {
    const auto& voci = Voci();
    return numero >= 1 && numero <= voci.size() ? voci[numero - 1].nome : QString();
}

bool MotoreEspeak::SelezionaVoce(int numero) {
    const auto& voci = Voci();
    if (numero < 1 || numero > voci.size())
        return false;
    QMetaObject::invokeMethod(
        lavoratore_,
        [l = lavoratore_, nome = voci[numero - 1].NomeSintetizzatore()] { l->ScegliVoce(nome); },
        Qt::QueuedConnection);
    return true;
}

void MotoreEspeak::ImpostaVelocita(int velocita) {
    AvviaSintetizzatore();
    QMetaObject::invokeMethod(
        lavoratore_,
        [l = lavoratore_, p = ParametriDiVelocita(velocita)] { l->ImpostaVelocita(p); },
        Qt::QueuedConnection);
}

void MotoreEspeak::Parla(const QString& testo) {
    AvviaSintetizzatore();
    QMetaObject::invokeMethod(
        lavoratore_, [l = lavoratore_, testo, g = generazione_.load()] { l->Parla(testo, g); },
        Qt::QueuedConnection);
}

void MotoreEspeak::Ferma() {
    AvviaSintetizzatore();
    ++generazione_;
    QMetaObject::invokeMethod(lavoratore_, &LavoratoreVoce::Controlla, Qt::QueuedConnection);
}
