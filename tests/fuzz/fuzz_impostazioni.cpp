// Arbitrary bytes to the settings reader: two values that survive a write and
// a second read, or "no values"; never a crash, a hang or a leak.
#include "shell/Impostazioni.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t lunghezza) {
    const QByteArray ingresso =
        QByteArray::fromRawData(reinterpret_cast<const char*>(dati), qsizetype(lunghezza));
    const auto valori = Impostazioni::LeggiValori(ingresso);
    if (valori) {
        const QByteArray scritto = Impostazioni::ScriviValori(valori->first, valori->second);
        const auto riletti = Impostazioni::LeggiValori(scritto);
        if (!riletti || *riletti != *valori)
            std::abort();
    }
    return 0;
}
