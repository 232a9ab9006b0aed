#pragma once

#include "clockface/DisposizioneQuadrante.h"

#include <QTest>

#include <utility>

Q_DECLARE_METATYPE(DisposizioneQuadrante)

// One data row per dial layout, in a column "disposizione".
inline void AggiungiDisposizioni() {
    QTest::addColumn<DisposizioneQuadrante>("disposizione");
    for (auto [nome, d] : {std::pair{"A", DisposizioneQuadrante::A},
                           {"B", DisposizioneQuadrante::B},
                           {"B0", DisposizioneQuadrante::B0},
                           {"C24", DisposizioneQuadrante::C24},
                           {"C0", DisposizioneQuadrante::C0},
                           {"C9", DisposizioneQuadrante::C9}})
        QTest::newRow(nome) << d;
}
