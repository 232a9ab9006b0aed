#include "speech/RegoleServizio.h"

#include "speech/VelocitaVoce.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

bool Italiana(const QString& lingua) {
    const QString codice = lingua.trimmed().toLower();
    return codice == QLatin1String("it") || codice.startsWith(QLatin1String("it-")) ||
           codice.startsWith(QLatin1String("it_"));
}

// Ordering key: case only breaks ties, so "Lucia" and "lucia" stay apart.
bool Prima(const VoceServizio& a, const VoceServizio& b) {
    for (const auto& [x, y] : {std::pair(&a.modulo, &b.modulo), std::pair(&a.nome, &b.nome)}) {
        if (const int c = x->compare(*y, Qt::CaseInsensitive); c != 0)
            return c < 0;
        if (const int c = x->compare(*y); c != 0)
            return c < 0;
    }
    return false;
}

} // namespace

QString VoceServizio::NomeMostrato() const {
    return QStringLiteral("%1 (%2)").arg(nome, modulo);
}

bool ModuloRipetuto(const QString& modulo) {
    QString nome = modulo.trimmed().toLower();
    if (nome.endsWith(QLatin1String("-generic")))
        nome.chop(int(sizeof("-generic") - 1));
    return nome == QLatin1String("espeak-ng") || nome == QLatin1String("espeak") ||
           nome == QLatin1String("pico");
}

bool VoceDifettosa(const VoceServizio& voce) {
    static const QRegularExpression it3it4(QStringLiteral("^(mb-)?it[34]$|^italian-mbrola-[34]$"),
                                           QRegularExpression::CaseInsensitiveOption);
    return voce.modulo.contains(QLatin1String("mbrola"), Qt::CaseInsensitive) &&
           it3it4.match(voce.nome.trimmed()).hasMatch();
}

QList<VoceServizio> VociServizioOfferte(QList<VoceServizio> elencate) {
    elencate.removeIf([](const VoceServizio& v) {
        return v.modulo.trimmed().isEmpty() || v.nome.trimmed().isEmpty() ||
               ModuloRipetuto(v.modulo) || VoceDifettosa(v) || !Italiana(v.lingua);
    });
    std::stable_sort(elencate.begin(), elencate.end(), Prima);
    // A voice listed twice (under two spellings of its language, say) is one
    // voice: the first of its kind stays.
    const auto doppie =
        std::unique(elencate.begin(), elencate.end(), [](const auto& a, const auto& b) {
            return a.modulo == b.modulo && a.nome == b.nome;
        });
    elencate.erase(doppie, elencate.end());
    return elencate;
}

int RitmoServizio(int velocita) {
    const int v = std::clamp(velocita, VelocitaMinima, VelocitaMassima);
    // Each side of the preset is stretched over its half of the rates; both
    // halves span 65 speeds, so every step is 100 / 65 > 1 rate and rounding
    // never lets two neighbouring speeds meet.
    const int campo = v < VelocitaPredefinita ? VelocitaPredefinita - VelocitaMinima
                                              : VelocitaMassima - VelocitaPredefinita;
    return int(std::lround((v - VelocitaPredefinita) * 100.0 / campo));
}
