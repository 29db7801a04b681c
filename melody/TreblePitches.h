#pragma once

#include "tones/Bellows.h"

#include <array>

namespace tones {
class TuningTable;
}

namespace melody {

// Which treble button gives a pitch in each bellows direction: the lowest-numbered one, so the
// grip written with its tone name lights that very button first.
class TreblePitches {
public:
    explicit TreblePitches(const tones::TuningTable& tuning);

    // 0 when no treble button gives `pitch` in that direction.
    int lowestButton(int pitch, tones::Bellows bellows) const;

private:
    static constexpr int PitchCount = 256;
    std::array<std::array<int, PitchCount>, 2> buttons_{};  // [Pull, Push][pitch]
};

}  // namespace melody
