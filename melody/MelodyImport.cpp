#include "MelodyImport.h"

#include "Fingering.h"
#include "MelodyFile.h"

namespace melody {

ImportedMelody importMelody(const QString& path, const tones::TuningTable& tuning,
                            std::optional<int> forcedShift) {
    const Melody melody = readMelodyFile(path);
    const Fingering fingering = fingerMelody(melody, tuning, forcedShift);
    return {songGripsOf(melody, fingering), fingering.reversals, fingering.shift};
}

std::vector<songs::SongGrip> songGripsOf(const Melody& melody, const Fingering& fingering) {
    std::vector<songs::SongGrip> grips;
    grips.reserve(fingering.grips.size());
    for (std::size_t i = 0; i < fingering.grips.size(); ++i) {
        songs::SongGrip grip;
        grip.row = static_cast<int>(i) + 1;
        grip.syllable = melody.chords[i].syllable;
        grip.treble = fingering.grips[i].tones;
        grip.bellows = fingering.grips[i].bellows;
        grips.push_back(std::move(grip));
    }
    return grips;
}

}  // namespace melody
