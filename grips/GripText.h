#pragma once

#include <QString>

// The current grip as text in the window: the lyrics around it, the captions and the treble
// and bass lines.
namespace grips {

class GripText {
public:
    static constexpr int SyllableCount = 5;

    virtual ~GripText() = default;
    // Syllable `index` (0..4) of the rows two above to two below the grip; empty clears it.
    virtual void showSyllable(int index, const QString& text) = 0;
    // The captions of the treble and bass lines.
    virtual void showCaptions(bool shown) = 0;
    virtual void showTrebleLine(const QString& line) = 0;
    virtual void showBassLine(const QString& line) = 0;
};

}  // namespace grips
