#pragma once

#include <QList>
#include <QString>

// A voice of the desktop's speech service as the service lists it: the output
// module that speaks it, the voice's own name and its language code ("it",
// "it-IT").
struct VoceServizio {
    QString modulo;
    QString nome;
    QString lingua;

    // How the voice list shows it: "lp_diphone (festival)".
    QString NomeMostrato() const;

    friend bool operator==(const VoceServizio&, const VoceServizio&) = default;
};

// True for the service's modules that speak with the embedded synthesizers,
// espeak-ng (and the older espeak) and Pico, under their own names or as the
// service's "generic" modules: their voices are the embedded voices over
// again. They are never offered, and never even listed, as espeak-ng's lists
// run to thousands of voices that take the service seconds to send.
bool ModuloRipetuto(const QString& modulo);

// True for the voices known to garble the program's sentences: Debian 12's
// MBROLA Italian voices it3 and it4 drop the unstressed "i" ("quindici",
// "minuti"). An MBROLA module lists them as "it3", "mb-it3" or
// "italian-mbrola-3".
bool VoceDifettosa(const VoceServizio& voce);

// The service's voices that are offered after the embedded ones, in the order
// they are numbered: Italian voices only (language "it", with or without a
// region), none from a repeated module, none that garbles, each once, by
// module and then by name. The order depends only on what is listed, not on the order it comes
// in, so that a stored voice number keeps meaning the same voice between runs.
QList<VoceServizio> VociServizioOfferte(QList<VoceServizio> elencate);

// The service's speech rate (-100..100, 0 the voice's own preset) for a stored
// speed (70..200, clamped first): the preset speed 135 gives 0, the slowest
// and fastest speeds the service's slowest and fastest rates, and every step
// between them a higher rate than the one before.
int RitmoServizio(int velocita);
