#pragma once

#include "GeneratoreScritto.h"
#include "language/Domanda.h"

#include <QMetaType>
#include <QStringList>

Q_DECLARE_METATYPE(Schermata)
Q_DECLARE_METATYPE(MomentoTesto)

// A script of draws written as "11/12 1/3": the draw of 12 gives 11, then the
// draw of 3 gives 1. Each becomes the r that makes exactly that draw.
inline GeneratoreScritto Copione(const QString& estrazioni) {
    GeneratoreScritto generatore;
    const QStringList voci = estrazioni.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& voce : voci) {
        const QStringList parti = voce.split(QLatin1Char('/'));
        Q_ASSERT(parti.size() == 2);
        generatore.AggiungiEstrazione(parti[0].toInt(), parti[1].toInt());
    }
    return generatore;
}

// The screens with the conventions the menu opens them under.
struct SchermataInUso {
    Schermata schermata;
    qint16 modoOre;
};

inline QList<SchermataInUso> SchermateInUso() {
    QList<SchermataInUso> tutte;
    for (int s = int(Schermata::Ruota1); s <= int(Schermata::Ruota10); ++s) {
        const auto schermata = Schermata(s);
        if (schermata != Schermata::Ruota5a && schermata != Schermata::Ruota9a)
            tutte.append({schermata, 12});
        if (schermata != Schermata::Ruota5 && schermata != Schermata::Ruota9)
            tutte.append({schermata, 24});
    }
    return tutte;
}

// A row name such as "frmRuota7, 24h".
inline QByteArray NomeRiga(const SchermataInUso& inUso) {
    return (NomeSchermata(inUso.schermata) + QStringLiteral(", %1h").arg(inUso.modoOre)).toUtf8();
}

// The asked time as the answer checks read it from the question variables:
// the hour 1..24 and the minutes past it.
struct TempoChiesto {
    int ora;
    int minuti;
    bool operator==(const TempoChiesto&) const = default;
};

inline TempoChiesto Chiesto(Schermata schermata, qint16 modoOre, const Domanda& d) {
    switch (schermata) {
    case Schermata::Ruota1:
    case Schermata::Ruota2:
        return {d.OraDomanda, 0};
    case Schermata::Ruota7:
    case Schermata::Ruota8:
        return {d.OraDomanda, 15 * d.QuartoDomanda};
    case Schermata::Ruota9:
    case Schermata::Ruota9a:
    case Schermata::Ruota10:
        return {d.OraDomanda, d.MinutiDomanda};
    default: {
        const int n = d.MezzeOreDomanda;
        if (n % 2 == 0)
            return {n / 2, 0};
        return {n == 1 ? modoOre : n / 2, 30};
    }
    }
}
