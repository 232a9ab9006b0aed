#pragma once

#include "speech/MotoreVoce.h"

#include <QSet>
#include <QStringList>

// A speech engine that speaks nothing and records every request, in order:
// "voce: N", "velocita: N", "parla: <text>", "ferma". The voices installed are
// named by `nomi`, and listed as they were at the last RileggiVoci; numbers in
// `rifiutate` (or outside 1..count) are refused.
class MotoreVoceRegistrato : public MotoreVoce {
public:
    explicit MotoreVoceRegistrato(QStringList nomiVoci = {"Italiano", "Italiano (f1)",
                                                          "Italiano (m3)"},
                                  QObject* parent = nullptr)
        : MotoreVoce(parent), nomi(std::move(nomiVoci)), letti(nomi) {}

    void RileggiVoci() override { letti = nomi; }
    int NumeroVoci() const override { return int(letti.size()); }
    QString NomeVoce(int numero) const override { return letti.value(numero - 1); }
    bool SelezionaVoce(int numero) override {
        registro << QStringLiteral("voce: %1").arg(numero);
        if (numero < 1 || numero > letti.size() || rifiutate.contains(numero))
            return false;
        voce = numero;
        return true;
    }
    void ImpostaVelocita(int v) override {
        registro << QStringLiteral("velocita: %1").arg(v);
        velocita = v;
    }
    void Parla(const QString& testo) override {
        registro << QStringLiteral("parla: ") + testo;
        detti << testo;
    }
    void Ferma() override { registro << QStringLiteral("ferma"); }

    // Only the spoken texts since the last stop, as a listener would hear them.
    QStringList UditiDopoUltimoFerma() const {
        QStringList uditi;
        for (const QString& r : registro) {
            if (r == QLatin1String("ferma"))
                uditi.clear();
            else if (r.startsWith(QLatin1String("parla: ")))
                uditi << r.mid(7);
        }
        return uditi;
    }

    QStringList nomi, letti;
    QSet<int> rifiutate;
    QStringList registro;
    QStringList detti;
    int voce = 1;
    int velocita = 0;
};
