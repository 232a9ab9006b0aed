#pragma once

#include <QByteArray>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QWidget>

class Quadrante;
class SchermataEsercizio;
struct Azione;
struct Sessione;

// Watches a run of the program step by step and writes down every broken
// rule in `errori`:
// - one screen is loaded and shown at a time, filling the display, and no
//   screen is left over once a run ends;
// - on an exercise screen the counters start at 0, only grow, grow by at most
//   the judgements an input could make, show in their labels, and match the
//   praise and error sounds one for one; "avanti" and "Conferma" follow the
//   answers; an answer the monkey knows to be right is judged right;
// - the dial never shows a hand the rules did not draw: on the click screens
//   only the hands of the asked time, on the arrow screens exactly the hands
//   of the bars' time;
// - every bar holds a value in its range; the voice screen's speed, label and
//   list agree with the settings in memory;
// - an exercise applies the voice and speed in memory when it opens, the
//   voice screen's mouth speaks at the speed on its bar;
// - a question answered No changes nothing;
// - only the program's own messages appear, never the settings error;
// - the settings file holds what the last save wrote, and nothing else.
class Sorvegliante {
public:
    // A new run of the program has started: it must have loaded what the
    // last run saved (or the defaults), without a message.
    void NuovaSessione(const Sessione& sessione);
    void DopoAzione(const Sessione& sessione, const Azione& azione);

    QStringList errori;

    // What the runs went through.
    QSet<QString> schermiVisti; // "frmRuota7/24", "FormImposta", ...
    int giusti = 0, sbagliati = 0, domande = 0;

private:
    void Schermi(const Sessione& s);
    void Esercizio(const Sessione& s, const SchermataEsercizio& e, const Azione& a, bool nuovo);
    void Voce(const Sessione& s, const QWidget& schermo, bool nuovo);
    void Conteggi(const Sessione& s, const SchermataEsercizio& e, const Azione& a, bool nuovo);
    void QuadranteClic(const SchermataEsercizio& e, const Quadrante& q);
    void QuadranteFrecce(const Sessione& s, const SchermataEsercizio& e, const Quadrante& q,
                         bool nuovo);
    void Menu(const Sessione& s, const QWidget& menu);
    void ColoreDellaTabella(const QWidget& schermo);
    void Imposta(const Sessione& s, const QWidget& imposta);
    void Messaggi(const Sessione& s, const QString& da, const QWidget* dopo);
    void FileImpostazioni(const Sessione& s, const QString& da, const QWidget* dopo);
    void Esigi(bool condizione, const QString& regola);

    QByteArray salvato_;        // what the settings file must hold; empty: no file yet
    QPointer<QWidget> schermo_; // the screen loaded after the last step
    QString nomeSchermo_;       // its name, which outlives it
    qint16 esatti_ = 0, errati_ = 0;
    int fase_ = 0;
    bool avanti_ = false;
    bool conferma_ = false;
    bool oraMossa_ = false; // the hours bar has left its first value 0
    QString ultimoDetto_;
    QStringList trattiPrima_; // the dial's hands after the last step
};
