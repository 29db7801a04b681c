#pragma once

#include "Bellows.h"
#include "KeyboardSide.h"

#include <QString>

// Where a sheet of the tuning database keeps its tones: column A holds the button number, B and
// C the treble tone on push and pull, F and G the bass tone on push and pull. Every reader of a
// tuning sheet takes its cells from here, so the display, recording, conversion and the tables
// cannot come to disagree about them.
namespace tones {

inline constexpr int ButtonNumberColumn = 1;  // A

inline constexpr int TuningTrebleRows = 43;         // A1:C43
inline constexpr int TuningBassRows = 13;           // F1:G13 as shown and recorded
inline constexpr int TuningConvertedBassRows = 17;  // F1:G17 as a conversion reads them

// Which of the sheet's rows a reader takes: the display and recording stop at the 13th bass row,
// a conversion (and whatever must stay true of it) reads down to the 17th.
enum class TuningReach { Shown, Converted };

// The column (A = 1) holding a side's tone for one direction of the bellows.
constexpr int toneColumn(KeyboardSide side, Bellows bellows) {
    return (side == KeyboardSide::Treble ? 2 : 6) + (bellows == Bellows::Pull ? 1 : 0);
}

// Columns from a tone's cell back to its button number.
constexpr int columnsBackToButton(KeyboardSide side, Bellows bellows) {
    return toneColumn(side, bellows) - ButtonNumberColumn;
}

constexpr int tuningRows(KeyboardSide side, TuningReach reach) {
    if (side == KeyboardSide::Treble) {
        return TuningTrebleRows;
    }
    return reach == TuningReach::Shown ? TuningBassRows : TuningConvertedBassRows;
}

// "B1:B43", "G1:G13": the cells searched for a tone.
QString toneRange(KeyboardSide side, Bellows bellows, TuningReach reach);
// "A1:A43", "A1:A13": the cells searched for a button number.
QString buttonNumberRange(KeyboardSide side);

}  // namespace tones
