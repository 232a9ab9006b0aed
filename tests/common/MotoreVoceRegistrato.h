#pragma once

#include "speech/MotoreVoce.h"

#include <QSet>
#include <QStringList>

// A silent speech engine recording every request ("voce: N", "velocita: N",
// "parla: <text>", "ferma"); its voices are `nomi` as at the last RileggiVoci,
// and more are coming while `inArrivo`.
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
        return numero >= 1 && numero <= letti.size() && !rifiutate.contains(numero);
    }
    void ImpostaVelocita(int v) override { registro << QStringLiteral("velocita: %1").arg(v); }
    void Parla(const QString& testo) override { registro << QStringLiteral("parla: ") + testo; }
    void Ferma() override { registro << QStringLiteral("ferma"); }
    bool VociInArrivo() const override { return inArrivo; }

    QStringList nomi, letti;
    QSet<int> rifiutate;
    bool inArrivo = false;
    QStringList registro;
};
