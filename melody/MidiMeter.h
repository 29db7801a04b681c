#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace melody {

// A time signature event of a MIDI file: numerator over 2^denominatorPower from `tick` on.
struct MidiTimeSignature {
    std::int64_t tick = 0;
    int numerator = 4;
    int denominatorPower = 2;
};

// Bars and beats of a MIDI file's time, for telling the player where a note is: the file's
// time signatures (4/4 until the first), counted from bar 1. A file timed in SMPTE frames has
// no beats; its places are the MIDI time only.
class MidiMeter {
public:
    MidiMeter(int division, std::vector<MidiTimeSignature> signatures);

    // "takt 3, doba 2 (MIDI čas 4800)"
    QString placeOf(std::int64_t tick) const;

private:
    struct Segment {
        std::int64_t start;
        std::int64_t firstBar;
        int numerator;
        int denominatorPower;
    };
    std::int64_t barUnits(const Segment& segment) const;  // a bar, in ticks << denominatorPower

    std::int64_t ticksPerQuarter_ = 0;  // 0: SMPTE time
    std::vector<Segment> segments_;
};

}  // namespace melody
