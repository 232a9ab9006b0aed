#include "LettoreFrasi.h"

#include <QRegularExpression>

namespace {

// The hour a word names: "mezzanotte" is 12 or 24 as the convention counts.
int OraDellaParola(const QString& parola, int modoOre) {
    if (parola == u"l'una")
        return 1;
    if (parola == u"mezzogiorno" || parola == u"dodici")
        return 12;
    if (parola == u"mezzanotte")
        return modoOre;
    if (parola == u"ventiquattro")
        return 24;
    bool numero = false;
    const int ora = parola.toInt(&numero);
    return numero ? ora : -1;
}

// Minutes said in words or digits: "quindici", "trenta", "quarantacinque", "35".
int MinutiDellaParola(const QString& parola) {
    if (parola == u"quindici")
        return 15;
    if (parola == u"trenta")
        return 30;
    if (parola == u"quarantacinque")
        return 45;
    bool numero = false;
    const int minuti = parola.toInt(&numero);
    return numero ? minuti : -1;
}

// The minutes after the hour word: nothing, "e un quarto", "e mezza",
// "tre quarti", "e 20", ...
int MinutiDopo(const QString& resto) {
    if (resto.isEmpty())
        return 0;
    if (resto == u"e un quarto")
        return 15;
    if (resto == u"e mezzo" || resto == u"e mezza")
        return 30;
    if (resto == u"tre quarti" || resto == u"e tre quarti")
        return 45;
    if (resto.startsWith(u"e "))
        return MinutiDellaParola(resto.mid(2));
    return -1;
}

// What is missing to the next hour: "mezz'ora", "un quarto d'ora" with the
// singular verb, "N minuti" with the plural one.
int MinutiMancanti(const QString& verbo, const QString& quanto) {
    if (verbo == u"Manca") {
        if (quanto == u"mezz'ora")
            return 30;
        if (quanto == u"un quarto d'ora")
            return 15;
        return -1;
    }
    if (!quanto.endsWith(u" minuti"))
        return -1;
    return MinutiDellaParola(quanto.chopped(7));
}

Lettura Valida(QList<int> ore, int minuti, int modoOre) {
    Lettura lettura;
    lettura.ore = std::move(ore);
    lettura.minuti = minuti;
    lettura.letta = minuti >= 0 && minuti < 60 && minuti % 5 == 0;
    for (int ora : lettura.ore)
        lettura.letta = lettura.letta && ora >= 1 && ora <= modoOre;
    return lettura;
}

} // namespace

Lettura LeggiFrase(const QString& frase, int modoOre) {
    // Blanks and the closing full stop carry no meaning for the time.
    QString parole = frase.simplified();
    if (parole.endsWith(u'.'))
        parole.chop(1);

    if (parole == u"Sono passate da mezz'ora le ventiquattro")
        return Valida({24}, 30, modoOre);

    static const QRegularExpression mancano(
        QStringLiteral("^(Manca|Mancano) (.+) (all'una|alle \\S+|a mezzanotte|a mezzogiorno)$"));
    if (const auto m = mancano.match(parole); m.hasMatch()) {
        const int mancanti = MinutiMancanti(m.captured(1), m.captured(2));
        QString verso = m.captured(3);
        if (verso.startsWith(u"alle "))
            verso = verso.mid(5);
        else if (verso == u"all'una")
            verso = QStringLiteral("l'una");
        else
            verso = verso.section(u' ', -1);
        const int prossima = OraDellaParola(verso, modoOre);
        if (mancanti <= 0 || prossima < 1)
            return {};
        // "l'una" is also the hour after noon: counting down to it comes from
        // 12, or from 24 where midnight is 24.
        QList<int> ore{prossima - 1};
        if (prossima == 1)
            ore = modoOre == 24 ? QList<int>{12, 24} : QList<int>{12};
        return Valida(ore, 60 - mancanti, modoOre);
    }

    static const QRegularExpression dopo(
        QStringLiteral("^(?:E' (l'una|mezzogiorno|mezzanotte)|Sono le (\\S+))(?: (.+))?$"));
    if (const auto m = dopo.match(parole); m.hasMatch()) {
        const QString parola = m.captured(1).isEmpty() ? m.captured(2) : m.captured(1);
        const int ora = OraDellaParola(parola, modoOre);
        if (ora < 1)
            return {};
        return Valida({ora}, MinutiDopo(m.captured(3)), modoOre);
    }
    return {};
}
