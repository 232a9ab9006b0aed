#include "feedback/SuoniFeedback.h"

#include "core/Contesto.h"
#include "core/GeneratoreCasuale.h"
#include "core/Suonatore.h"

void SuonoSi(Contesto& contesto) {
    if (contesto.SuoniAttivati == 0)
        return;
    const int n = contesto.Casuale.Estrai(4) + 1;
    contesto.Suoni.Suona(QStringLiteral("si%1.wav").arg(n));
}

void SuonoNo(Contesto& contesto) {
    if (contesto.SuoniAttivati == 0)
        return;
    contesto.Suoni.Suona(QStringLiteral("no.wav"));
}
