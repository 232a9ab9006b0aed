#pragma once

#include "language/Domanda.h"

#include <QList>

// Every distinct question a screen can ask under a convention, found by
// trying every outcome of every draw the question makes.
QList<Domanda> TutteLeDomande(Schermata schermata, qint16 modoOre);
