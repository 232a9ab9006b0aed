#include "speech/FiloVoce.h"

#include <QDeadlineTimer>
#include <QThread>

FiloVoce::FiloVoce(QObject* lavoratore, const QString& nome)
    : filo_(new QThread), lavoratore_(lavoratore) {
    filo_->setObjectName(nome);
    lavoratore_->moveToThread(filo_);
    QObject::connect(filo_, &QThread::finished, lavoratore_, &QObject::deleteLater);
}

FiloVoce::~FiloVoce() = default;

void FiloVoce::Avvia() const {
    if (!filo_->isRunning() && !filo_->isFinished())
        filo_->start();
}

bool FiloVoce::Avviato() const {
    return filo_->isRunning() || filo_->isFinished();
}

bool FiloVoce::Chiudi(std::function<void()> ultimo, std::chrono::milliseconds limite) {
    if (!Avviato()) {
        delete lavoratore_; // nothing ran on the thread: nothing to close there
        delete filo_;
        return true;
    }
    // The thread ends itself once `ultimo` ran: a quit from here would drop
    // what is still queued.
    Posta([ultimo = std::move(ultimo)] {
        ultimo();
        QThread::currentThread()->quit();
    });
    const QDeadlineTimer scadenza = limite == std::chrono::milliseconds::max()
                                        ? QDeadlineTimer(QDeadlineTimer::Forever)
                                        : QDeadlineTimer(limite);
    if (!filo_->wait(scadenza))
        return false; // left behind, with its worker: deleting them now would crash
    delete filo_;
    return true;
}
