#pragma once

#include "speech/UscitaAudio.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <memory>

// What a recording output has been given, shared between the engine's thread
// (which writes) and the test (which reads). Each stretch ends where the
// engine silenced the output.
struct RegistroAudio {
    mutable QMutex mutex;
    QList<QByteArray> tratti{QByteArray()};
    int campioniAlSecondo = 0;

    QByteArray Tutto() const {
        QMutexLocker l(&mutex);
        QByteArray tutto;
        for (const QByteArray& t : tratti)
            tutto += t;
        return tutto;
    }
    QList<QByteArray> Tratti() const {
        QMutexLocker l(&mutex);
        QList<QByteArray> pieni;
        for (const QByteArray& t : tratti)
            if (!t.isEmpty())
                pieni << t;
        return pieni;
    }
    qsizetype Byte() const { return Tutto().size(); }
    void Svuota() {
        QMutexLocker l(&mutex);
        tratti = {QByteArray()};
    }
};

// An output that plays nothing and records every byte it takes. At once:
// everything counts as heard as soon as it is taken. In real time: it takes
// at most 100 ms ahead and counts sound as heard at the pace it would play.
class UscitaRegistrata : public UscitaAudio {
public:
    UscitaRegistrata(std::shared_ptr<RegistroAudio> registro, bool tempoReale)
        : registro_(std::move(registro)), tempoReale_(tempoReale) {}

    void Prepara(int campioniAlSecondo) override {
        QMutexLocker l(&registro_->mutex);
        registro_->campioniAlSecondo = campioniAlSecondo;
        byteAlSecondo_ = 2 * campioniAlSecondo;
    }
    qint64 Scrivi(const char* dati, qint64 byte) override {
        if (!orologio_.isValid())
            orologio_.start();
        qint64 presi = byte;
        if (tempoReale_)
            presi = std::clamp<qint64>(Suonati() + byteAlSecondo_ / 10 - scritti_, 0, byte);
        scritti_ += presi;
        QMutexLocker l(&registro_->mutex);
        registro_->tratti.last().append(dati, presi);
        return presi;
    }
    qint64 Suonati() override {
        if (!tempoReale_ || !orologio_.isValid())
            return scritti_;
        return std::min(scritti_, orologio_.elapsed() * byteAlSecondo_ / 1000);
    }
    void Ferma() override {
        scritti_ = 0;
        orologio_.invalidate();
        QMutexLocker l(&registro_->mutex);
        if (!registro_->tratti.last().isEmpty())
            registro_->tratti.append(QByteArray());
    }

private:
    std::shared_ptr<RegistroAudio> registro_;
    bool tempoReale_;
    qint64 byteAlSecondo_ = 0;
    qint64 scritti_ = 0;
    QElapsedTimer orologio_;
};
