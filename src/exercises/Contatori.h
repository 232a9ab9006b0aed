#pragma once

#include <QtGlobal>
#include <limits>

// QuantiEsatti and QuantiErrati are 16-bit; a count stops at 32767 rather
// than turning negative after a very long session.
inline void Aumenta(qint16& contatore) {
    if (contatore < std::numeric_limits<qint16>::max())
        ++contatore;
}
