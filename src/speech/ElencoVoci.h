#pragma once

#include <QList>
#include <QString>

// A voice variant installed with the synthesizer: `file` is its file name in
// the variants folder (what follows "+" in a voice name such as "it+f3"),
// `nome` the name the variant gives itself.
struct VarianteVoce {
    QString file;
    QString nome;
};

// One selectable voice: the Italian voice, alone or with a variant.
struct VoceItaliana {
    QString nome;     // display name, e.g. "Italiano (femminile 3)"
    QString variante; // variant file name, empty for the plain voice

    // The name the synthesizer selects the voice by: "it" or "it+f3".
    QString NomeSintetizzatore() const;

    friend bool operator==(const VoceItaliana&, const VoceItaliana&) = default;
};

// The voices in the order they are numbered from 1: the plain Italian voice,
// then the numbered female and male variants by number, then every other
// variant by display name. The order depends only on what is installed, not
// on the order the synthesizer lists it, so a stored voice number keeps
// meaning the same voice between runs.
QList<VoceItaliana> ElencoVociItaliane(QList<VarianteVoce> varianti);
