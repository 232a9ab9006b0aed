#pragma once

#include <QObject>
#include <QString>

#include <chrono>
#include <functional>

class QThread;

// How every speech engine of the program runs, one idiom for all: the
// engine's work is done by a worker object that lives on a QThread of the
// engine's own, started on first need. The user-interface thread posts calls
// to the worker and returns at once; the thread's event queue is the
// engine's queue, so the calls run in the order posted. Where the engine
// needs an answer it waits on a future, as long as the engine allows: an
// embedded synthesizer always answers, the desktop's speech service is
// waited for a fraction of a second. A stop is a generation number that the
// user-interface thread bumps without waiting and the worker checks. The
// worker reports through signals, queued to the engine; they end with it.
//
// At the end the worker makes its last call on its own thread, and the
// engine waits for the thread up to a limit: a thread still stuck in a call
// that never returns (a speech service that hangs) is left behind with its
// worker, and the end of the process takes it.
class FiloVoce {
public:
    // Takes `lavoratore`, which has no parent, onto a thread named `nome`,
    // not started yet. The thread deletes it when it ends.
    FiloVoce(QObject* lavoratore, const QString& nome);
    // Chiudi has run.
    ~FiloVoce();
    FiloVoce(const FiloVoce&) = delete;
    FiloVoce& operator=(const FiloVoce&) = delete;

    // Starts the thread; harmless when started (or ended).
    void Avvia() const;
    bool Avviato() const;
    // Runs `lavoro` on the worker's thread after everything posted before.
    // Posted before Avvia, it waits for the thread to start.
    template <class F> void Posta(F lavoro) const {
        QMetaObject::invokeMethod(lavoratore_, std::move(lavoro), Qt::QueuedConnection);
    }
    // Runs `ultimo` on the worker's thread after everything posted, ends the
    // thread and waits for it at most `limite`. False when the thread is
    // still busy then and is left behind. A thread never started just lets
    // its worker go.
    bool Chiudi(std::function<void()> ultimo,
                std::chrono::milliseconds limite = std::chrono::milliseconds::max());

private:
    QThread* filo_;
    QObject* lavoratore_;
};
