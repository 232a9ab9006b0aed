#pragma once

#include "speech/Sintetizzatore.h"
#include "speech/VelocitaVoce.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <mutex>

// The synthesizer library keeps its state in globals for the whole process and
// breaks when two threads call it at once or when it is shut down and started
// again. A session is the right to use it: while one exists, a second one gets
// no voice data and does nothing. The library is started by the first session
// and stays started; a later session that names another data folder starts it
// again on that one.
class SessioneEspeak : public Sintetizzatore {
public:
    // `cartellaDati`: the folder holding the voice data (or its parent); empty
    // for the installed one.
    explicit SessioneEspeak(const QString& cartellaDati);
    ~SessioneEspeak() override;
    SessioneEspeak(const SessioneEspeak&) = delete;
    SessioneEspeak& operator=(const SessioneEspeak&) = delete;

    // 0 when there is no voice data, and then nothing below does anything.
    int CampioniAlSecondo() const override { return campioni_; }

    // The Italian voice and every offered variant that really takes effect on
    // it; empty without voice data.
    QList<VoceItaliana> VociDisponibili() override;

    // Checks that the synthesizer really uses the voice: it ignores unknown
    // variants silently.
    bool ScegliVoce(const QString& nomeSintetizzatore) override;
    void ImpostaVelocita(int velocita) override { ImpostaVelocita(ParametriDiVelocita(velocita)); }
    void ImpostaVelocita(ParametriVelocita parametri);

    bool Sintetizza(const QString& testo, const Ricevitore& ricevi) override;

    // The phonemes the synthesizer would speak for `testo` (read as above),
    // in its own notation, one clause after another: used to check how
    // sentences are read.
    QString Fonemi(const QString& testo);

private:
    std::unique_lock<std::mutex> uso_;
    int campioni_ = 0;
};
