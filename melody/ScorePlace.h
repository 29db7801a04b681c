#pragma once

#include <QString>

namespace melody {

// Where a note lies, as a player counts in the score: "takt 3, doba 2", or "doba 2,5" for a
// note between beats. `beat` counts from 1.
QString barAndBeat(const QString& bar, double beat);

}  // namespace melody
