#include "shell/Impostazioni.h"

#include "core/Contesto.h"
#include "core/Messaggi.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace Impostazioni {

namespace {

// Reads one value of free-format input. Returns nothing when the input ends
// before a value or the value is not a 16-bit whole number.
std::optional<qint16> LeggiNumero(QIODevice& ingresso) {
    char c = 0;
    // Skip the blanks and line ends before the number.
    do {
        if (!ingresso.getChar(&c))
            return std::nullopt;
    } while (c == ' ' || c == '\t' || c == '\r' || c == '\n');

    QByteArray parola;
    constexpr int LunghezzaMassima = 32; // longer can only be out of range
    for (;;) {
        if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n')
            break;
        parola.append(c);
        if (parola.size() > LunghezzaMassima)
            return std::nullopt;
        if (!ingresso.getChar(&c)) {
            c = '\n';
            break;
        }
    }
    // The delimiter: trailing blanks, then at most one comma or one line end.
    while (c == ' ' || c == '\t') {
        if (!ingresso.getChar(&c))
            break;
        if (c != ' ' && c != '\t' && c != ',' && c != '\r' && c != '\n') {
            ingresso.ungetChar(c);
            break;
        }
    }
    if (c == '\r') {
        char dopo = 0;
        if (ingresso.getChar(&dopo) && dopo != '\n')
            ingresso.ungetChar(dopo);
    }

    // Only an optional sign and decimal digits make a whole number.
    const bool conSegno = !parola.isEmpty() && (parola[0] == '+' || parola[0] == '-');
    if (parola.size() == int(conSegno))
        return std::nullopt;
    for (qsizetype i = conSegno; i < parola.size(); ++i) {
        if (parola[i] < '0' || parola[i] > '9')
            return std::nullopt;
    }
    bool ok = false;
    const int valore = parola.toInt(&ok, 10);
    if (!ok || valore < -32768 || valore > 32767)
        return std::nullopt;
    return qint16(valore);
}

} // namespace

QString CartellaImpostazioni() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(NomeCartella);
}

bool EsisteFile(const QString& percorso) {
    const QFileInfo info(percorso);
    return info.exists() && info.isFile() && !info.isHidden();
}

std::optional<std::pair<qint16, qint16>> LeggiValori(QIODevice& ingresso) {
    const auto voce = LeggiNumero(ingresso);
    if (!voce)
        return std::nullopt;
    const auto velocita = LeggiNumero(ingresso);
    if (!velocita)
        return std::nullopt;
    return std::make_pair(*voce, *velocita);
}

std::optional<std::pair<qint16, qint16>> LeggiValori(const QByteArray& contenuto) {
    QByteArray copia(contenuto);
    QBuffer buffer(&copia);
    buffer.open(QIODevice::ReadOnly);
    return LeggiValori(buffer);
}

QByteArray ScriviValori(qint16 voce, qint16 velocita) {
    // The form of a number printed to a text file: the sign's place (a blank
    // or "-"), the digits, one trailing blank, CR LF.
    const auto riga = [](qint16 n) {
        QByteArray r = n < 0 ? QByteArray("-") : QByteArray(" ");
        r += QByteArray::number(qAbs(int(n)));
        r += " \r\n";
        return r;
    };
    return riga(voce) + riga(velocita);
}

QByteArray TestoLeggimi() {
    const QStringList righe = {
        QStringLiteral("Questa cartella contiene i files di impostazione dei programmi presenti "
                       "nel sito ") +
            SitoWeb + QStringLiteral("."),
        QStringLiteral(" "),
        QStringLiteral("Se qualche programma presenta problemi di funzionamento può essere utile "
                       "cancellare il file *.ini relativo al programma in quata cartella."),
        QStringLiteral(" "),
        QStringLiteral("Non cancellare questo file."),
    };
    QByteArray testo;
    for (const QString& riga : righe)
        testo += riga.toUtf8() + "\r\n";
    return testo;
}

bool CreaCartellaImpostazioni(const QString& cartella) {
    if (!QDir().mkpath(cartella))
        return false;
    QSaveFile leggimi(QDir(cartella).filePath(NomeLeggimi));
    if (!leggimi.open(QIODevice::WriteOnly))
        return false;
    leggimi.write(TestoLeggimi());
    return leggimi.commit();
}

void CaricaImpostazioni(Contesto& contesto) {
    contesto.NumeroVoce = VocePredefinita;
    contesto.VelocitaVoce = VelocitaPredefinita;
    if (!EsisteFile(contesto.PercorsoIni))
        return;

    QFile file(contesto.PercorsoIni);
    std::optional<std::pair<qint16, qint16>> valori;
    if (file.open(QIODevice::ReadOnly))
        valori = LeggiValori(file);
    file.close();
    if (valori) {
        contesto.NumeroVoce = valori->first;
        contesto.VelocitaVoce = valori->second;
        return;
    }
    // A bad file is removed so that the next save writes a good one. When it
    // cannot be removed the defaults are used all the same: the message is
    // shown once, never again for the same file in this run.
    QFile::remove(contesto.PercorsoIni);
    contesto.Dialoghi.Avviso(nullptr, MessaggioErrore, TitoloProgramma,
                             Messaggi::Icona::Esclamazione);
}

bool SalvaImpostazioni(const Contesto& contesto) {
    const QFileInfo info(contesto.PercorsoIni);
    if (contesto.PercorsoIni.isEmpty() || !QDir().mkpath(info.absolutePath()))
        return false;
    QSaveFile file(contesto.PercorsoIni);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray dati = ScriviValori(contesto.NumeroVoce, contesto.VelocitaVoce);
    // A full disk may take only part of the data while every call still
    // reports success: check the size that really reached the file before the
    // new file replaces the old one.
    if (file.write(dati) != dati.size() || !file.flush() || file.size() != dati.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool SalvaOAvvisa(const Contesto& contesto, QWidget* schermo) {
    if (SalvaImpostazioni(contesto))
        return true;
    contesto.Dialoghi.Avviso(schermo, MessaggioSalvataggio, TitoloProgramma,
                             Messaggi::Icona::Esclamazione);
    return false;
}

} // namespace Impostazioni
