#pragma once

#include <QList>
#include <QStringList>

// One selectable voice of an embedded synthesizer: its Italian voice, alone
// or with a variant.
struct VoceItaliana {
    QString nome;     // display name, e.g. "Italiano (femminile 3)"
    QString variante; // variant file name, empty for the plain voice

    // The name the synthesizer selects the voice by: "it" or "it+f3".
    QString NomeSintetizzatore() const;

    friend bool operator==(const VoceItaliana&, const VoceItaliana&) = default;
};

// The voices in the order they are numbered from 1: the plain Italian voice,
// then the numbered female and male variants by number, then the few
// variants whose names have a plain Italian word, by that word. `varianti`
// are the file names of the installed variants (what follows "+" in a voice
// name such as "it+f3"); any other variant, a joke voice or one made for
// testing, is not offered, whatever new ones a synthesizer release brings.
// The order depends only on what is installed, not on the order the
// synthesizer lists it, so a stored voice number keeps meaning the same voice
// between runs.
QList<VoceItaliana> ElencoVociItaliane(const QStringList& varianti);

// The one voice of the SVOX Pico synthesizer, listed before all others: the
// most natural Italian voice a school can install. Its name says so to the
// teacher choosing, and names the synthesizer for whoever installs it.
inline constexpr const char* NomeVocePico = "Italiano naturale (Pico)";
