#include "TreblePitches.h"

#include "keyboard/KeyboardGeometry.h"
#include "music/Pitch.h"
#include "tones/TuningTable.h"

namespace melody {

namespace {

std::size_t side(tones::Bellows bellows) {
    return bellows == tones::Bellows::Push ? 1 : 0;
}

}  // namespace

TreblePitches::TreblePitches(const tones::TuningTable& tuning) {
    for (const tones::Bellows bellows : {tones::Bellows::Pull, tones::Bellows::Push}) {
        auto& lowest = buttons_[side(bellows)];
        for (int button = keyboard::TrebleButtonCount; button >= 1; --button) {
            const auto pitch = music::tonePitch(tuning.trebleTone(button, bellows));
            if (pitch && *pitch >= 0 && *pitch < PitchCount) {
                lowest[static_cast<std::size_t>(*pitch)] = button;
            }
        }
    }
}

int TreblePitches::lowestButton(int pitch, tones::Bellows bellows) const {
    if (pitch < 0 || pitch >= PitchCount) {
        return 0;
    }
    return buttons_[side(bellows)][static_cast<std::size_t>(pitch)];
}

}  // namespace melody
