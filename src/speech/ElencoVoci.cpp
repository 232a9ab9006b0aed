#include "speech/ElencoVoci.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

namespace {

// Variants whose English names have a plain Italian word.
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

QString NomeLeggibile(const VarianteVoce& v) {
    const auto [gruppo, numero] = Gruppo(v.file);
    if (gruppo == 0)
        return QStringLiteral("femminile %1").arg(numero);
    if (gruppo == 1)
        return QStringLiteral("maschile %1").arg(numero);
    const auto tradotto = NomiTradotti().constFind(v.file.toLower());
    if (tradotto != NomiTradotti().cend())
        return *tradotto;
    QString nome = v.nome.trimmed().isEmpty() ? v.file : v.nome.trimmed();
    return nome.replace(QLatin1Char('_'), QLatin1Char(' '));
}

} // namespace

QString VoceItaliana::NomeSintetizzatore() const {
    return variante.isEmpty() ? QStringLiteral("it") : QStringLiteral("it+") + variante;
}

QList<VoceItaliana> ElencoVociItaliane(QList<VarianteVoce> varianti) {
    struct Voce {
        std::pair<int, int> gruppo;
        QString nome;
        QString file;
    };
    QList<Voce> voci;
    for (const VarianteVoce& v : varianti) {
        // Variants made for testing the synthesizer ("fast_test") sound just
        // like the plain voice: they are not offered.
        if (v.nome.contains(QLatin1String("test"), Qt::CaseInsensitive))
            continue;
        if (!v.file.isEmpty() && std::none_of(voci.cbegin(), voci.cend(),
                                              [&](const Voce& c) { return c.file == v.file; }))
            voci.append({Gruppo(v.file), NomeLeggibile(v), v.file});
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
