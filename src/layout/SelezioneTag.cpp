#include "layout/SelezioneTag.h"

SelezioneTag LeggiTag(const QString& tag) {
    QString regola = tag.toUpper();
    if (!regola.startsWith(QLatin1Char('@')))
        regola = QStringLiteral("@L,T,W,H");
    return {regola.contains(QLatin1Char('L')), regola.contains(QLatin1Char('T')),
            regola.contains(QLatin1Char('W')), regola.contains(QLatin1Char('H'))};
}
