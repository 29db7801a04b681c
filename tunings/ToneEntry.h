#pragma once

#include "tones/KeyboardSide.h"

#include <QString>

// What a player types for one button's tone in his own tuning, checked before it is stored: a
// wrong cell would otherwise show up only much later, as a tone no button gives.
namespace tunings {

struct ToneEntry {
    QString text;     // as it is stored; empty when the instrument has no such button
    QString problem;  // why it cannot be stored, in Czech; empty when it can
};

// A treble tone in the form the tuning database holds ("cis1,"); a missing final comma is
// added. The tone must lie on the staff, "c," to "g4,".
ToneEntry checkTrebleEntry(const QString& typed);
// A bass: "C" a single bass, "(C)" a major and "(Cm)" a minor chord.
ToneEntry checkBassEntry(const QString& typed);
ToneEntry checkEntry(tones::KeyboardSide side, const QString& typed);

}  // namespace tunings
