#include "speech/Pronuncia.h"

#include <QRegularExpression>

namespace {
// A lone E (or e) with its apostrophe closing the word: not the end of a
// longer word such as "po'" or "dell'".
QRegularExpression ParolaSola(QChar lettera) {
    return QRegularExpression(QStringLiteral("(?<![\\w'’])%1'(?=\\s|$)").arg(lettera),
                              QRegularExpression::UseUnicodePropertiesOption);
}
} // namespace

QString TestoDaPronunciare(const QString& frase) {
    static const QRegularExpression maiuscola = ParolaSola(QLatin1Char('E'));
    static const QRegularExpression minuscola = ParolaSola(QLatin1Char('e'));
    QString testo = frase;
    testo.replace(maiuscola, QStringLiteral("È"));
    testo.replace(minuscola, QStringLiteral("è"));
    return testo;
}
