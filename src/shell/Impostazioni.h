#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <utility>

class QIODevice;
class QWidget;
struct Contesto;

// The settings folder shared with the maker's other programs, its readme and
// the two-line settings file of this program (voice number, speech speed).
namespace Impostazioni {

inline const QString NomeCartella = QStringLiteral("ImpostazioniProgrammiQuibo");
inline const QString NomeFile = QStringLiteral("Ertavino.INI");
inline const QString NomeLeggimi = QStringLiteral("leggimi.txt");
inline const QString SitoWeb = QStringLiteral("http://www.example.org/ertavino");

inline const QString MessaggioErrore =
    QStringLiteral("C'è stato un errore nel recuperare le configurazioni!");
inline const QString MessaggioSalvataggio =
    QStringLiteral("Non è stato possibile salvare le impostazioni.");

// The settings folder inside the user's configuration directory.
QString CartellaImpostazioni();

// True for an existing regular file; a missing folder on the way gives false.
bool EsisteFile(const QString& percorso);

// The two values read with free-format number input: blanks, CR and LF before
// a number are skipped, a number ends at a blank, a comma or the line's end.
// Anything after the second value is ignored. No value means the file is bad.
std::optional<std::pair<qint16, qint16>> LeggiValori(QIODevice& ingresso);
std::optional<std::pair<qint16, qint16>> LeggiValori(const QByteArray& contenuto);

// The exact bytes written for the two values: " 1 \r\n 135 \r\n".
QByteArray ScriviValori(qint16 voce, qint16 velocita);

// The readme's five lines, each ended by CR LF, in UTF-8.
QByteArray TestoLeggimi();

// Creates the folder (if needed) and writes the readme. False when either
// could not be done; the program goes on without them.
bool CreaCartellaImpostazioni(const QString& cartella);

// Loads NumeroVoce and VelocitaVoce from PercorsoIni, or the defaults. A bad
// file is deleted, the user is told once (no screen is shown yet), and the
// defaults are used.
void CaricaImpostazioni(Contesto& contesto);

// Writes both values, replacing the file atomically. False when it could not
// be written; the old file, if any, is then left as it was.
bool SalvaImpostazioni(const Contesto& contesto);

// SalvaImpostazioni for a choice the user made ("conferma", "Esci"): when the
// file cannot be written the user is told so, once, over `schermo`, and the
// choice stays in memory for this run.
bool SalvaOAvvisa(const Contesto& contesto, QWidget* schermo);

} // namespace Impostazioni
