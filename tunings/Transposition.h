#pragma once

#include <QString>

namespace spreadsheet {
class Sheet;
}

namespace tunings {

// Moves every treble tone and bass of a tuning sheet by `semitones` (up when positive),
// spelled as the tuning tables write them: c cis d es e f fis g as a b h, basses C Cis D Es E F
// Fis G As A B H with a chord's parentheses and "m". Text that is no tone outside the buttons'
// rows (the titles) stays. When a treble tone would leave the staff ("c," to "g4,") or a
// button's cell holds no tone, nothing changes and the reason, naming the button, is returned;
// the empty text when the sheet was moved.
QString transposeTuning(spreadsheet::Sheet& sheet, int semitones);

}  // namespace tunings
