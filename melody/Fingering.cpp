#include "Fingering.h"

#include "HandMovement.h"
#include "ImportError.h"
#include "TreblePitches.h"
#include "music/Pitch.h"
#include "tones/SemitoneShift.h"
#include "tones/TuningTable.h"

#include <algorithm>
#include <array>
#include <limits>

namespace melody {

namespace {

using tones::Bellows;

constexpr std::array<Bellows, 2> Directions{Bellows::Push, Bellows::Pull};  // the push first
constexpr std::array<int, 5> AutomaticShifts{0, 12, -12, 24, -24};
constexpr int MaxListedNotes = 10;

// A grip as it would be played in one direction.
struct GripOption {
    bool playable = false;
    std::vector<int> buttons;
    HandPlace hand;
};

std::optional<std::vector<int>> buttonsOf(const MelodyChord& chord, int shift,
                                          const TreblePitches& pitches, Bellows bellows) {
    std::vector<int> buttons;
    for (const int pitch : chord.pitches) {
        const int button = pitches.lowestButton(pitch + shift, bellows);
        if (button == 0) {
            return std::nullopt;
        }
        buttons.push_back(button);
    }
    std::sort(buttons.begin(), buttons.end());
    return buttons;
}

// options[grip][direction], in the order of Directions.
using Options = std::vector<std::array<GripOption, 2>>;

std::optional<Options> optionsAt(const Melody& melody, int shift, const TreblePitches& pitches) {
    Options options(melody.chords.size());
    for (std::size_t i = 0; i < melody.chords.size(); ++i) {
        for (std::size_t d = 0; d < Directions.size(); ++d) {
            if (auto buttons = buttonsOf(melody.chords[i], shift, pitches, Directions[d])) {
                options[i][d] = {true, std::move(*buttons), {}};
                options[i][d].hand = handPlaceOf(options[i][d].buttons);
            }
        }
        if (!options[i][0].playable && !options[i][1].playable) {
            return std::nullopt;
        }
    }
    return options;
}

// The cost of the rest of the tune, compared goal by goal.
struct Cost {
    std::int64_t reversals = 0;
    std::int64_t movement = 0;
    bool operator<(const Cost& other) const {
        return reversals != other.reversals ? reversals < other.reversals
                                            : movement < other.movement;
    }
};
constexpr Cost Unplayable{std::numeric_limits<std::int64_t>::max() / 4, 0};

Cost stepCost(const GripOption& from, std::size_t fromDirection, const GripOption& to,
              std::size_t toDirection) {
    return {fromDirection != toDirection ? 1 : 0, handMovement(from.hand, to.hand)};
}

Cost plus(Cost a, Cost b) {
    return {a.reversals + b.reversals, a.movement + b.movement};
}

// rest[i][d]: the least cost of grips i.. when grip i is played in direction d.
std::vector<std::array<Cost, 2>> restCosts(const Options& options) {
    std::vector<std::array<Cost, 2>> rest(options.size(), {Unplayable, Unplayable});
    for (std::size_t i = options.size(); i-- > 0;) {
        for (std::size_t d = 0; d < 2; ++d) {
            if (!options[i][d].playable) {
                continue;
            }
            if (i + 1 == options.size()) {
                rest[i][d] = Cost{};
                continue;
            }
            for (std::size_t next = 0; next < 2; ++next) {
                if (options[i + 1][next].playable) {
                    const Cost total = plus(stepCost(options[i][d], d, options[i + 1][next], next),
                                            rest[i + 1][next]);
                    rest[i][d] = std::min(rest[i][d], total);
                }
            }
        }
    }
    return rest;
}

// Walking forward on the exact costs of the rest, the push is taken whenever it is as good:
// of all the best fingerings this gives the one that pushes at the first grip where they differ.
Fingering bestFingering(const Options& options, const tones::TuningTable& tuning, int shift) {
    const auto rest = restCosts(options);
    Fingering fingering;
    fingering.shift = shift;
    std::size_t previous = 0;
    for (std::size_t i = 0; i < options.size(); ++i) {
        std::optional<std::size_t> chosen;
        Cost best = Unplayable;
        for (std::size_t d = 0; d < 2; ++d) {
            if (!options[i][d].playable) {
                continue;
            }
            const Cost step =
                i == 0 ? Cost{} : stepCost(options[i - 1][previous], previous, options[i][d], d);
            const Cost total = plus(step, rest[i][d]);
            if (!chosen || total < best) {
                chosen = d;
                best = total;
            }
        }
        if (i > 0) {
            const Cost step =
                stepCost(options[i - 1][previous], previous, options[i][*chosen], *chosen);
            fingering.reversals += static_cast<int>(step.reversals);
            fingering.movement += step.movement;
        }
        FingeredGrip grip;
        grip.bellows = Directions[*chosen];
        grip.buttons = options[i][*chosen].buttons;
        for (const int button : grip.buttons) {
            grip.tones << tuning.trebleTone(button, grip.bellows);
        }
        fingering.grips.push_back(std::move(grip));
        previous = *chosen;
    }
    return fingering;
}

void refuseLargeChords(const Melody& melody) {
    for (const MelodyChord& chord : melody.chords) {
        if (chord.pitches.size() > MaxGripTones) {
            throw ImportError(
                QStringLiteral(
                    "Akord na místě %1 má %2 různých tónů; pravá ruka jich zahraje nejvýše pět.")
                    .arg(chord.place)
                    .arg(chord.pitches.size()));
        }
    }
}

QString toneNameOf(int pitch) {
    const QString name = music::toneNameOfPitch(pitch);
    return name.isEmpty() ? QStringLiteral("tón MIDI %1 mimo rozsah c, až g4,").arg(pitch) : name;
}

QString listed(const QStringList& items) {
    QString text = items.mid(0, MaxListedNotes).join(QStringLiteral("; "));
    if (items.size() > MaxListedNotes) {
        text += QStringLiteral(" a %1 dalších").arg(items.size() - MaxListedNotes);
    }
    return text;
}

// Which notes the tuning lacks at `shift`: notes no button gives, and chords whose tones no
// single direction gives all of.
QString unplayableNotes(const Melody& melody, int shift, const TreblePitches& pitches) {
    QStringList missing;
    QStringList split;
    for (const MelodyChord& chord : melody.chords) {
        if (buttonsOf(chord, shift, pitches, Bellows::Push) ||
            buttonsOf(chord, shift, pitches, Bellows::Pull)) {
            continue;
        }
        QStringList absent;
        QStringList all;
        for (const int pitch : chord.pitches) {
            all << toneNameOf(pitch + shift);
            if (!pitches.lowestButton(pitch + shift, Bellows::Push) &&
                !pitches.lowestButton(pitch + shift, Bellows::Pull)) {
                absent << toneNameOf(pitch + shift);
            }
        }
        if (absent.isEmpty()) {
            split << chord.place + QStringLiteral(": ") + all.join(u' ');
        } else {
            missing << chord.place + QStringLiteral(": ") + absent.join(u' ');
        }
    }
    QStringList sentences;
    if (!missing.isEmpty()) {
        sentences << QStringLiteral("Žádný knoflík nedává: %1.").arg(listed(missing));
    }
    if (!split.isEmpty()) {
        sentences
            << QStringLiteral("Žádný směr měchu nedává celé tyto akordy: %1.").arg(listed(split));
    }
    return sentences.join(u' ');
}

QString forcedShiftFailure(const QString& tuning, int shift) {
    if (shift == 0) {
        return QStringLiteral("Melodii nelze v ladění %1 zahrát bez posunu.").arg(tuning);
    }
    return QStringLiteral("Melodii posunutou %1 nelze v ladění %2 zahrát.")
        .arg(tones::semitoneShiftText(shift), tuning);
}

}  // namespace

Fingering fingerMelody(const Melody& melody, const tones::TuningTable& tuning,
                       std::optional<int> forcedShift) {
    refuseLargeChords(melody);
    const TreblePitches pitches(tuning);
    const std::vector<int> shifts =
        forcedShift ? std::vector<int>{*forcedShift}
                    : std::vector<int>(AutomaticShifts.begin(), AutomaticShifts.end());
    for (const int shift : shifts) {
        if (const auto options = optionsAt(melody, shift, pitches)) {
            return bestFingering(*options, tuning, shift);
        }
    }
    const QString reason = forcedShift ? forcedShiftFailure(tuning.name(), *forcedShift)
                                       : QStringLiteral(
                                             "Melodii nelze v ladění %1 zahrát, ani když se posune "
                                             "o oktávu či dvě nahoru nebo dolů.")
                                             .arg(tuning.name());
    throw ImportError(reason + u' ' + unplayableNotes(melody, forcedShift.value_or(0), pitches));
}

}  // namespace melody
