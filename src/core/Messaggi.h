#pragma once

#include <QString>

class QWidget;

// The titles of the program's message boxes: its own questions and its
// credits carry TitoloDomande; messages without a title of their own carry
// the program's name, as do the screens, none of which has a caption.
inline const QString TitoloDomande = QStringLiteral("Uso dell'ertavino");
inline const QString TitoloProgramma = QStringLiteral("Ertavino");

// The program's message boxes. Screens and rules speak to the user only
// through this layer, so tests can answer the questions and read the texts.
// Each box names the screen that asks (`schermo`; none before the first
// screen is shown): it opens over that screen, never over whatever window
// happens to be active, which on Wayland is often none.
class Messaggi {
public:
    enum class Icona { Nessuna, Informazione, Esclamazione, Critica, Domanda };

    virtual ~Messaggi() = default;

    // A message with a single OK button; returns when it is closed.
    virtual void Avviso(QWidget* schermo, const QString& testo, const QString& titolo,
                        Icona icona) = 0;

    // A Yes/No question with the question icon; true when the answer is Yes.
    virtual bool Chiedi(QWidget* schermo, const QString& testo, const QString& titolo) = 0;
};
