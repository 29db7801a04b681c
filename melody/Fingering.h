#pragma once

#include "Melody.h"
#include "tones/Bellows.h"

#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace tones {
class TuningTable;
}

namespace melody {

inline constexpr int MaxGripTones = 5;  // the right hand's fingers

// One chord as played: the bellows direction and the treble buttons that give its pitches.
struct FingeredGrip {
    tones::Bellows bellows = tones::Bellows::Push;
    std::vector<int> buttons;  // ascending
    QStringList tones;         // the tuning's name of each button, in the same order
};

struct Fingering {
    int shift = 0;              // semitones the whole tune was moved by
    int reversals = 0;          // consecutive grips in different directions
    std::int64_t movement = 0;  // the hand's travel, in twips (see HandMovement.h)
    std::vector<FingeredGrip> grips;
};

// The best fingering of the whole tune in `tuning`. Goals, in this order: every grip playable;
// the fewest bellows reversals; the least hand movement; then at the first grip where two
// equally good fingerings differ, the push. Solved exactly by dynamic programming over grips and
// directions. When some grip cannot be played the tune is moved by +12, -12, +24 and -24
// semitones, the first shift that plays it all being taken; `forcedShift` tries that shift
// alone. Throws ImportError for a chord of more than five tones or a tune that cannot be played.
Fingering fingerMelody(const Melody& melody, const tones::TuningTable& tuning,
                       std::optional<int> forcedShift = std::nullopt);

}  // namespace melody
