#pragma once

#include <QString>

namespace tones {

// A shift by whole semitones as messages say it: "o 1 půltón nahoru", "o 3 půltóny dolů",
// "o 5 půltónů nahoru". The Czech plural follows the count, whatever the direction.
QString semitoneShiftText(int semitones);

}  // namespace tones
