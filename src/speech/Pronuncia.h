#pragma once

#include <QString>

// The text handed to a synthesizer for a sentence the program holds. The
// sentences write "È" the typewriter way, "E'"; a synthesizer takes the
// apostrophe after a lone "E" for a break and says "E — l'una" with a pause
// and a hard onset. Here a word "E'" (or "e'") becomes "È" ("è"); everything
// else is left as it is. The sentence itself, as shown, logged and repeated,
// keeps its own spelling.
QString TestoDaPronunciare(const QString& frase);
