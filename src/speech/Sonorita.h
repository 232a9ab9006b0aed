#pragma once

#include <QtGlobal>

// How wide the talking mouth opens (0 closed .. 1 wide open) for a stretch of
// mono 16-bit speech: the root mean square of the samples, with a square-root
// curve so soft sounds still move the lips and near-silence keeps them shut.
float Sonorita(const qint16* campioni, qsizetype quanti);
