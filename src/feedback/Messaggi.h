#pragma once

#include <QString>

// The titles of the program's message boxes: its own questions and its
// credits carry TitoloDomande; messages without a title of their own carry
// the program's name.
inline const QString TitoloDomande = QStringLiteral("Uso dell'ertavino");
inline const QString TitoloProgramma = QStringLiteral("Ertavino");

// The program's message boxes. Screens and rules speak to the user only
// through this layer, so tests can answer the questions and read the texts.
class Messaggi {
public:
    enum class Icona { Nessuna, Informazione, Esclamazione, Critica, Domanda };

    virtual ~Messaggi() = default;

    // A message with a single OK button; returns when it is closed.
    virtual void Avviso(const QString& testo, const QString& titolo, Icona icona) = 0;

    // A Yes/No question with the question icon; true when the answer is Yes.
    virtual bool Chiedi(const QString& testo, const QString& titolo) = 0;
};
