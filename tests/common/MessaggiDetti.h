#pragma once

#include "MessaggiRegistrati.h"

#include <QStringList>

// The message boxes shown, in order, one line each: text, " | ", title and
// a mark for the icon (" (i)" information, " (!)" exclamation, " (x)"
// critical, " ?" a Yes/No question, nothing without an icon).
inline QString MessaggiDetti(const MessaggiRegistrati& messaggi) {
    static const char* const icone[] = {"", " (i)", " (!)", " (x)", " ?"};
    QStringList righe;
    for (const auto& m : messaggi.registro)
        righe << m.testo + " | " + m.titolo + icone[int(m.icona)];
    return righe.join('\n');
}
