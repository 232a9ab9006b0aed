#include "speech/ElencoVoci.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

// Besides the numbered ones, the variants offered: those whose English names
// have a plain Italian word. An allow-list, so that a joke voice added to a
// later release of the synthesizer is not offered by default.
const QHash<QString, QString>& NomiTradotti() {
    static const QHash<QString, QString> nomi{
        {QStringLiteral("whisper"), QStringLiteral("sussurro")},
        {QStringLiteral("whisperf"), QStringLiteral("sussurro femminile")},
        {QStringLiteral("grandma"), QStringLiteral("nonna")},
        {QStringLiteral("grandpa"), QStringLiteral("nonno")},
        {QStringLiteral("aunty"), QStringLiteral("zia")},
        {QStringLiteral("croak"), QStringLiteral("gracchiante")},
    };
    return nomi;
}

// Rank for ordering: 0 female "fN", 1 male "mN", 2 anything else; the number
// for the first two.
std::pair<int, int> Gruppo(const QString& file) {
    static const QRegularExpression numerata(QStringLiteral("^([fm])([0-9]+)$"));
    const auto m = numerata.match(file);
    if (!m.hasMatch())
        return {2, 0};
    return {m.captured(1) == QLatin1String("f") ? 0 : 1, m.captured(2).toInt()};
}

// The variant's plain Italian name; empty for a variant that is not offered.
QString NomeItaliano(const QString& file) {
    const auto [gruppo, numero] = Gruppo(file);
    if (gruppo == 0)
        return QStringLiteral("femminile %1").arg(numero);
    if (gruppo == 1)
        return QStringLiteral("maschile %1").arg(numero);
    return NomiTradotti().value(file.toLower());
}

} // namespace

QString VoceItaliana::NomeSintetizzatore() const {
    return variante.isEmpty() ? QStringLiteral("it") : QStringLiteral("it+") + variante;
}

QList<VoceItaliana> ElencoVociItaliane(const QStringList& varianti) {
    struct Voce {
        std::pair<int, int> gruppo;
        QString nome;
        QString file;
    };
    QList<Voce> voci;
    for (const QString& file : varianti) {
        const QString nome = NomeItaliano(file);
        if (!nome.isEmpty() &&
            std::none_of(voci.cbegin(), voci.cend(), [&](const Voce& v) { return v.file == file; }))
            voci.append({Gruppo(file), nome, file});
    }
    std::sort(voci.begin(), voci.end(), [](const Voce& a, const Voce& b) {
        if (a.gruppo != b.gruppo)
            return a.gruppo < b.gruppo;
        if (const int nomi = a.nome.compare(b.nome, Qt::CaseInsensitive); nomi != 0)
            return nomi < 0;
        return a.file < b.file;
    });

    QList<VoceItaliana> elenco{{QStringLiteral("Italiano"), QString()}};
    for (const Voce& v : voci)
        elenco.append({QStringLiteral("Italiano (%1)").arg(v.nome), v.file});
    return elenco;
}
