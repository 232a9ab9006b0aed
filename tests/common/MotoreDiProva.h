#pragma once

#include "speech/MotoreIncorporato.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

inline const QString Breve = QStringLiteral("Sono le sette.");
inline const QString Lunga = QStringLiteral("Manca un quarto d'ora a mezzanotte.");
inline const QString Lunghissima = QString(Lunga + ' ').repeated(4); // about 9 s

// An embedded engine whose output plays nothing and records what it takes,
// one stretch per silencing, heard at once; read after a silence, when it is
// written no more.
struct MotoreDiProva {
    struct Uscita : UscitaAudio {
        explicit Uscita(MotoreDiProva& prova) : p(prova) {}
        void Prepara(int campioni) override { p.campioniAlSecondo = campioni; }
        qint64 Scrivi(const char* dati, qint64 byte) override {
            const qint64 presi = p.trattieni ? 0 : byte;
            p.tratti.last().append(dati, presi);
            return presi;
        }
        qint64 Suonati() override { return p.tratti.last().size(); }
        void Ferma() override {
            if (!p.tratti.last().isEmpty())
                p.tratti.append(QByteArray());
        }
        MotoreDiProva& p;
    };

    // The engine of type M made with `opzioni` and this output.
    template <class M> static std::unique_ptr<MotoreDiProva> Con(typename M::Opzioni opzioni) {
        auto p = std::make_unique<MotoreDiProva>();
        opzioni.uscita = [q = p.get()] { return std::make_unique<Uscita>(*q); };
        p->motore = std::make_unique<M>(std::move(opzioni));
        return p;
    }
    // Speaks `testo`, waits until it has all been heard and gives its sound.
    QByteArray Detto(const QString& testo) {
        QSignalSpy silenzio(motore.get(), &MotoreVoce::Silenzio);
        motore->Parla(testo);
        return silenzio.wait(10000) ? tratti.value(tratti.size() - 2) : QByteArray();
    }
    double Secondi(const QByteArray& pcm) const { return pcm.size() / 2.0 / campioniAlSecondo; }

    // Two texts queued are heard whole, in order, each as long as given (in
    // seconds); while the output takes nothing, a stop drops a text waiting
    // to be heard and one queued, and the next text comes whole.
    void CodaEFerma(std::pair<double, double> lunga, std::pair<double, double> breve) {
        motore->Ferma(); // harmless while nothing is spoken
        QSignalSpy silenzio(motore.get(), &MotoreVoce::Silenzio);
        const qsizetype primo = tratti.size() - 1;
        motore->Parla(Lunga);
        motore->Parla(Breve);
        QTRY_VERIFY_WITH_TIMEOUT(silenzio.size() == 1, 10000);
        const double l = Secondi(tratti[primo]), b = Secondi(tratti[primo + 1]);
        QVERIFY(tratti.size() == primo + 3 && l > lunga.first && l < lunga.second &&
                b > breve.first && b < breve.second);
        trattieni = true;
        motore->Parla(Lunghissima);
        QTest::qWait(100);
        motore->Parla(Lunga);
        motore->Ferma();
        QTRY_VERIFY_WITH_TIMEOUT(silenzio.size() == 2, 1000);
        trattieni = false;
        QVERIFY(std::abs(Secondi(Detto(Breve)) - b) < 0.03 && tratti.size() == primo + 4);
    }

    QByteArrayList tratti{QByteArray()};
    int campioniAlSecondo = -1;          // until the output is prepared
    std::atomic<bool> trattieni = false; // the output takes nothing
    std::unique_ptr<MotoreIncorporato> motore;
};
