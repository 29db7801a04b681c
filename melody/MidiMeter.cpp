#include "MidiMeter.h"

#include "ScorePlace.h"

#include <algorithm>

namespace melody {

namespace {

constexpr int MaxDenominatorPower = 6;  // sixty-fourths

bool isSensible(const MidiTimeSignature& signature) {
    return signature.numerator >= 1 && signature.denominatorPower >= 0 &&
           signature.denominatorPower <= MaxDenominatorPower;
}

}  // namespace

MidiMeter::MidiMeter(int division, std::vector<MidiTimeSignature> signatures) {
    if (division <= 0 || division >= 0x8000) {
        return;
    }
    ticksPerQuarter_ = division;
    segments_.push_back({0, 1, 4, 2});
    std::stable_sort(
        signatures.begin(), signatures.end(),
        [](const MidiTimeSignature& a, const MidiTimeSignature& b) { return a.tick < b.tick; });
    for (const MidiTimeSignature& signature : signatures) {
        if (!isSensible(signature)) {
            continue;
        }
        Segment& last = segments_.back();
        if (signature.tick == last.start) {
            last.numerator = signature.numerator;
            last.denominatorPower = signature.denominatorPower;
            continue;
        }
        // A change in the middle of a bar starts a new bar there.
        const std::int64_t units = (signature.tick - last.start) << last.denominatorPower;
        const std::int64_t bars = units / barUnits(last) + (units % barUnits(last) != 0 ? 1 : 0);
        segments_.push_back({signature.tick, last.firstBar + bars, signature.numerator,
                             signature.denominatorPower});
    }
}

std::int64_t MidiMeter::barUnits(const Segment& segment) const {
    return ticksPerQuarter_ * 4 * segment.numerator;
}

QString MidiMeter::placeOf(std::int64_t tick) const {
    const QString time = QStringLiteral("MIDI čas %1").arg(tick);
    if (segments_.empty()) {
        return time;
    }
    const auto after =
        std::upper_bound(segments_.begin(), segments_.end(), tick,
                         [](std::int64_t t, const Segment& s) { return t < s.start; });
    const Segment& segment = *std::prev(after);
    const std::int64_t units = (tick - segment.start) << segment.denominatorPower;
    const std::int64_t bar = segment.firstBar + units / barUnits(segment);
    const double beat = 1.0 + double(units % barUnits(segment)) / double(ticksPerQuarter_ * 4);
    return barAndBeat(QString::number(bar), beat) + QStringLiteral(" (%1)").arg(time);
}

}  // namespace melody
