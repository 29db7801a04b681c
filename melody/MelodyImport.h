#pragma once

#include "songs/SongGrips.h"

#include <QString>

#include <optional>
#include <vector>

namespace tones {
class TuningTable;
}

namespace melody {

struct Fingering;
struct Melody;

// A melody made into the grips of a new song, ready to be written.
struct ImportedMelody {
    std::vector<songs::SongGrip> grips;  // rows 1.., one per chord, no rests
    int reversals = 0;
    int shift = 0;  // semitones
};

// Reads the melody file at `path` and finds its best fingering in `tuning` (see
// fingerMelody). Throws ImportError with the player's message; nothing is written.
ImportedMelody importMelody(const QString& path, const tones::TuningTable& tuning,
                            std::optional<int> forcedShift = std::nullopt);

// The song rows of a fingered melody: syllable, the tones packed from B, the direction.
std::vector<songs::SongGrip> songGripsOf(const Melody& melody, const Fingering& fingering);

}  // namespace melody
