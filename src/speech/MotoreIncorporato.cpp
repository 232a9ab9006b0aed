#include "speech/MotoreIncorporato.h"

MotoreIncorporato::MotoreIncorporato(Opzioni opzioni, QObject* parent) : MotoreVoce(parent) {
    std::promise<QList<VoceItaliana>> promessa;
    primeVoci_ = promessa.get_future().share();
    lavoratore_ = new LavoratoreVoce(std::move(opzioni.sintetizzatore), std::move(opzioni.uscita),
                                     generazione_, std::move(promessa));
    lavoratore_->moveToThread(&filo_);
    connect(&filo_, &QThread::finished, lavoratore_, &QObject::deleteLater);
    connect(lavoratore_, &LavoratoreVoce::Livello, this, &MotoreVoce::Livello);
    // A silence the worker reached before taking the texts posted since is
    // not the engine's: theirs comes later.
    connect(lavoratore_, &LavoratoreVoce::Silenzio, this, [this](int ricevuti) {
        if (ricevuti == inviati_)
            emit Silenzio();
    });
    filo_.setObjectName(QStringLiteral("voce"));
    // Requests posted before the thread runs wait in its queue, behind Avvia.
    QMetaObject::invokeMethod(lavoratore_, &LavoratoreVoce::Avvia, Qt::QueuedConnection);
    if (!opzioni.avvioRinviato)
        AvviaSintetizzatore();
}

void MotoreIncorporato::AvviaSintetizzatore() const {
    if (!filo_.isRunning() && !filo_.isFinished())
        filo_.start();
}

MotoreIncorporato::~MotoreIncorporato() {
    // Abandon any synthesis at once, then let the worker release the
    // synthesizer and the output on its own thread before the thread ends.
    ++generazione_;
    AvviaSintetizzatore();
    QMetaObject::invokeMethod(lavoratore_, &LavoratoreVoce::Chiudi, Qt::BlockingQueuedConnection);
    filo_.quit();
    filo_.wait();
}

const QList<VoceItaliana>& MotoreIncorporato::Voci() const {
    if (!voci_) {
        AvviaSintetizzatore();
        voci_ = primeVoci_.get();
    }
    return *voci_;
}

void MotoreIncorporato::RileggiVoci() {
    Voci(); // the start comes first on the thread; this waits for it
    QList<VoceItaliana> lette;
    QMetaObject::invokeMethod(
        lavoratore_, [l = lavoratore_, &lette] { lette = l->Voci(); },
        Qt::BlockingQueuedConnection);
    voci_ = std::move(lette);
}

int MotoreIncorporato::NumeroVoci() const {
    return int(Voci().size());
}

QString MotoreIncorporato::NomeVoce(int numero) const {
    const auto& voci = Voci();
    return numero >= 1 && numero <= voci.size() ? voci[numero - 1].nome : QString();
}

bool MotoreIncorporato::SelezionaVoce(int numero) {
    const auto& voci = Voci();
    if (numero < 1 || numero > voci.size())
        return false;
    QMetaObject::invokeMethod(
        lavoratore_,
        [l = lavoratore_, nome = voci[numero - 1].NomeSintetizzatore()] { l->ScegliVoce(nome); },
        Qt::QueuedConnection);
    return true;
}

void MotoreIncorporato::ImpostaVelocita(int velocita) {
    AvviaSintetizzatore();
    QMetaObject::invokeMethod(
        lavoratore_, [l = lavoratore_, velocita] { l->ImpostaVelocita(velocita); },
        Qt::QueuedConnection);
}

void MotoreIncorporato::Parla(const QString& testo) {
    AvviaSintetizzatore();
    ++inviati_;
    QMetaObject::invokeMethod(
        lavoratore_, [l = lavoratore_, testo, g = generazione_.load()] { l->Parla(testo, g); },
        Qt::QueuedConnection);
}

void MotoreIncorporato::Ferma() {
    AvviaSintetizzatore();
    ++generazione_;
    QMetaObject::invokeMethod(lavoratore_, &LavoratoreVoce::Controlla, Qt::QueuedConnection);
}
