#pragma once

#include <QString>

// Which of a control's four values the layout scaler changes, read from the
// control's Tag: compared in upper case, a tag that starts with "@" names the
// scaled values by the letters L, T, W and H anywhere after it ("@WH": only
// the size; "@" alone: nothing). An empty tag, or one that does not start
// with "@", scales all four. For a line control L, T, W, H stand for its
// X1, Y1, X2, Y2.
struct SelezioneTag {
    bool L = true; // Left (line: X1)
    bool T = true; // Top (line: Y1)
    bool W = true; // Width (line: X2)
    bool H = true; // Height (line: Y2)
};

SelezioneTag LeggiTag(const QString& tag);
