// The fingering of a whole tune: hand-made tunes whose best fingering is known, and random
// tunes checked against every possible sequence of bellows directions.
#include "support/DeliveredTunings.h"
#include "support/ImportRefusal.h"
#include "support/MelodyFiles.h"

#include "melody/Fingering.h"
#include "melody/HandMovement.h"
#include "melody/TreblePitches.h"
#include "music/Pitch.h"
#include "tones/TuningTable.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

using melody::Fingering;
using melody::Melody;
using tones::Bellows;

namespace {

struct Button {
    int number;
    const char* push;
    const char* pull;
};

// A tuning sheet with a title row, as the database has one, and the given buttons.
tones::TuningTable tuningOf(std::initializer_list<Button> buttons) {
    std::vector<tones::TuningTable::Row> treble{
        {std::nullopt, QStringLiteral("Tlak"), QStringLiteral("Tah")}};
    for (const Button& button : buttons) {
        treble.push_back(
            {button.number, QString::fromUtf8(button.push), QString::fromUtf8(button.pull)});
    }
    return tones::TuningTable(QStringLiteral("Test"), treble, {});
}

Melody melodyOf(const std::vector<std::vector<const char*>>& chords) {
    Melody melody;
    int place = 0;
    for (const auto& names : chords) {
        melody::MelodyChord chord;
        for (const char* name : names) {
            chord.pitches.push_back(*music::tonePitch(QString::fromUtf8(name)));
        }
        std::sort(chord.pitches.begin(), chord.pitches.end());
        chord.place = QStringLiteral("p%1").arg(++place);
        melody.chords.push_back(chord);
    }
    return melody;
}

QString directionsOf(const Fingering& fingering) {
    QString text;
    for (const auto& grip : fingering.grips) {
        text += grip.bellows == Bellows::Push ? u'P' : u'T';
    }
    return text;
}

QString refusalOf(const Melody& melody, const tones::TuningTable& tuning,
                  std::optional<int> shift = {}) {
    return testing_support::importRefusalOf([&] { melody::fingerMelody(melody, tuning, shift); });
}

}  // namespace

// Hand-made tunes whose best fingering is known; which buttons and tones each grip writes is
// checked on the random tunes below.
TEST(Fingering, FewestReversalsThenLeastMovementThenThePush) {
    const auto scale =
        tuningOf({{1, "c1,", "g1,"}, {2, "d1,", "a1,"}, {3, "e1,", "h1,"}, {4, "f1,", "c2,"}});
    // c only pushed, f only pulled, d and e both ways: every fingering with two reversals moves
    // the hand 2400 twips, so the push wins at each grip where they differ.
    const auto bothWays = tuningOf({{1, "c1,", "d1,"}, {2, "d1,", "e1,"}, {3, "e1,", "f1,"}});
    // The push gives c1 and e1, the pull only c1; d1 is pulled only.
    const auto chords = tuningOf({{1, "c1,", "d1,"}, {2, "e1,", "g1,"}, {3, "g1,", "c1,"}});
    // a pushed on 1, c pulled on 2: one reversal either way; b pushed far away (12) or pulled on 1.
    const auto near = tuningOf({{1, "a1,", "b1,"}, {2, "f1,", "c2,"}, {12, "b1,", "d2,"}});
    const auto far =
        tuningOf({{1, "a1,", "d2,"}, {2, "b1,", "g2,"}, {12, "f1,", "b1,"}, {13, "g1,", "c2,"}});
    const auto move = [](std::vector<int> from, std::vector<int> to) {
        return melody::handMovement(melody::handPlaceOf(from), melody::handPlaceOf(to));
    };
    const std::vector<std::vector<const char*>> upAndDown{{"c1,"}, {"d1,"}, {"e1,"}, {"f1,"},
                                                          {"e1,"}, {"d1,"}, {"c1,"}};
    struct Case {
        const tones::TuningTable& tuning;
        std::vector<std::vector<const char*>> chords;
        const char* directions;
        std::int64_t reversals;
        std::optional<std::int64_t> movement;
    };
    const Case cases[]{
        {scale, upAndDown, "PPPPPPP", 0, 6 * 600},  // neighbouring buttons of one row
        {bothWays, upAndDown, "PPPTPPP", 2, 2400},
        {chords, {{"d1,"}, {"e1,", "c1,"}, {"d1,"}, {"g1,", "c1,"}}, "TPTT", 2, {}},
        {near, {{"a1,"}, {"b1,"}, {"c2,"}}, "PTT", 1, {}},
        {far, {{"a1,"}, {"b1,"}, {"c2,"}}, "PPT", 1, move({1}, {2}) + move({2}, {13})},
        {near, {{"b1,"}}, "P", 0, 0},  // nothing to choose by: the push
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.directions);
        const Fingering fingering = melody::fingerMelody(melodyOf(c.chords), c.tuning);
        EXPECT_EQ(directionsOf(fingering), QString::fromLatin1(c.directions));
        EXPECT_EQ(fingering.reversals, c.reversals);
        EXPECT_EQ(fingering.shift, 0);
        if (c.movement) {
            EXPECT_EQ(fingering.movement, *c.movement);
        }
    }
}

TEST(Fingering, TheLowestButtonOfAPitchIsWrittenAsTheTuningNamesIt) {
    const auto tuning = tuningOf({{2, "cis1,", "c1,"},
                                  {3, "es1,", "c1,"},
                                  {5, "des1,", "cis1,"},
                                  {7, "dis1,", "d1,"},
                                  {9, "c1,", "des1,"}});
    const Fingering fingering =
        melody::fingerMelody(melodyOf({{"des1,"}, {"c1,", "dis1,"}, {"cis1,", "d1,"}}), tuning);
    EXPECT_EQ(directionsOf(fingering), QStringLiteral("PPT"));
    EXPECT_EQ(fingering.grips[0].tones, QStringList{"cis1,"});
    EXPECT_EQ(fingering.grips[1].tones, (QStringList{"es1,", "c1,"}));
    EXPECT_EQ(fingering.grips[1].buttons, (std::vector<int>{3, 9}));
    EXPECT_EQ(fingering.grips[2].tones, (QStringList{"cis1,", "d1,"}));
    EXPECT_EQ(fingering.grips[2].buttons, (std::vector<int>{5, 7}));
}

TEST(Fingering, AnUnplayableTuneIsShiftedByOctavesInTheGivenOrder) {
    const auto tuning = tuningOf({{1, "c1,", "d1,"}, {2, "c3,", "e1,"}});
    EXPECT_EQ(melody::fingerMelody(melodyOf({{"c,"}, {"d,"}}), tuning).shift, 12);
    EXPECT_EQ(melody::fingerMelody(melodyOf({{"c2,"}}), tuning).shift, 12);  // +12 before -12
    EXPECT_EQ(melody::fingerMelody(melodyOf({{"e2,"}}), tuning).shift, -12);
    EXPECT_EQ(melody::fingerMelody(melodyOf({{"d3,"}}), tuning).shift, -24);
    const Fingering forced = melody::fingerMelody(melodyOf({{"c2,"}}), tuning, -12);
    EXPECT_EQ(forced.shift, -12);
    EXPECT_EQ(forced.grips[0].tones, QStringList{"c1,"});
    // A shift given by the player is the only one tried, even none at all.
    EXPECT_EQ(refusalOf(melodyOf({{"c,"}}), tuning, 0),
              QStringLiteral(
                  "Melodii nelze v ladění Test zahrát bez posunu. Žádný knoflík nedává: p1: c,."));
    EXPECT_EQ(refusalOf(melodyOf({{"c,"}}), tuning, -2),
              QStringLiteral("Melodii posunutou o 2 půltóny dolů nelze v ladění Test zahrát. "
                             "Žádný knoflík nedává: p1: tón MIDI 46 mimo rozsah c, až g4,."));
    EXPECT_TRUE(refusalOf(melodyOf({{"c,"}}), tuning, 1)
                    .startsWith(QStringLiteral("Melodii posunutou o 1 půltón nahoru nelze")));
}

TEST(Fingering, WhenNoShiftHelpsTheMissingNotesAreNamedAndBigChordsAreRefused) {
    const auto tuning = tuningOf({{1, "c1,", "d1,"}});
    std::vector<std::vector<const char*>> chords{{"cis1,"}, {"c1,"}, {"c1,", "d1,"}};
    for (int i = 0; i < 11; ++i) {
        chords.push_back({"fis1,", "c1,"});
    }
    EXPECT_EQ(refusalOf(melodyOf(chords), tuning),
              QStringLiteral("Melodii nelze v ladění Test zahrát, ani když se posune o oktávu či "
                             "dvě nahoru nebo dolů. "
                             "Žádný knoflík nedává: p1: cis1,; p4: fis1,; p5: fis1,; p6: fis1,; "
                             "p7: fis1,; p8: fis1,; "
                             "p9: fis1,; p10: fis1,; p11: fis1,; p12: fis1, a 2 dalších. "
                             "Žádný směr měchu nedává celé tyto akordy: p3: c1, d1,."));

    // A chord of more than five tones is refused with its place.
    Melody six = melodyOf({{"c1,"}, {"c1,", "d1,", "e1,", "f1,", "g1,", "a1,"}});
    six.chords[1].place = QStringLiteral("takt 2, doba 3");
    EXPECT_EQ(refusalOf(six, tuningOf({{1, "c1,", "c1,"}})),
              QStringLiteral("Akord na místě takt 2, doba 3 má 6 různých tónů; pravá ruka jich "
                             "zahraje nejvýše pět."));
}

TEST(Fingering, HandPlacesAreCentroidsOfButtonCentres) {
    const melody::HandPlace one = melody::handPlaceOf({1});
    EXPECT_DOUBLE_EQ(one.left, 4200 + 300);
    EXPECT_DOUBLE_EQ(one.top, 120 + 285);
    const melody::HandPlace chord = melody::handPlaceOf({1, 13, 25});
    EXPECT_DOUBLE_EQ(chord.left, 4800 + 300);
    EXPECT_DOUBLE_EQ(chord.top, (120 + 360 + 120) / 3.0 + 285);
    EXPECT_EQ(melody::handMovement(one, melody::handPlaceOf({13})),
              646);  // hypot(600, 240) = 646.2
}

namespace {

// The best fingering by trying every sequence of directions.
struct BruteForce {
    std::int64_t reversals = 0;
    std::int64_t movement = 0;
    QString directions;
};

std::optional<BruteForce> bruteForce(const Melody& melody, const tones::TuningTable& tuning) {
    const melody::TreblePitches pitches(tuning);
    const std::size_t n = melody.chords.size();
    std::optional<BruteForce> best;
    for (std::uint32_t mask = 0; mask < (1u << n); ++mask) {
        BruteForce candidate;
        std::vector<melody::HandPlace> hands;
        bool playable = true;
        for (std::size_t i = 0; i < n && playable; ++i) {
            const Bellows bellows = (mask >> (n - 1 - i)) & 1 ? Bellows::Pull : Bellows::Push;
            candidate.directions += bellows == Bellows::Push ? u'P' : u'T';
            std::vector<int> buttons;
            for (const int pitch : melody.chords[i].pitches) {
                const int button = pitches.lowestButton(pitch, bellows);
                playable = playable && button != 0;
                buttons.push_back(button);
            }
            hands.push_back(melody::handPlaceOf(buttons));
            if (i > 0) {
                candidate.reversals += candidate.directions[i] != candidate.directions[i - 1];
                candidate.movement += melody::handMovement(hands[i - 1], hands[i]);
            }
        }
        // Masks count up with the push as 0, so the first best one met pushes earliest.
        if (playable && (!best || std::tie(candidate.reversals, candidate.movement) <
                                      std::tie(best->reversals, best->movement))) {
            best = candidate;
        }
    }
    return best;
}

}  // namespace

TEST(Fingering, RandomTunesGetTheFingeringFoundByTryingEverySequence) {
    std::mt19937 random(20240615);
    for (const tones::TuningTable& tuning : testing_support::deliveredTunings()) {
        const melody::TreblePitches pitches(tuning);
        std::vector<int> available;
        for (int pitch = 0; pitch < 128; ++pitch) {
            if (pitches.lowestButton(pitch, Bellows::Push) ||
                pitches.lowestButton(pitch, Bellows::Pull)) {
                available.push_back(pitch);
            }
        }
        for (int tune = 0; tune < 40; ++tune) {
            Melody melody;
            const int length = 1 + int(random() % 12);
            while (int(melody.chords.size()) < length) {
                std::set<int> chord;
                const int tones = 1 + int(random() % 3 == 0) + int(random() % 5 == 0);
                while (int(chord.size()) < tones) {
                    chord.insert(available[random() % available.size()]);
                }
                melody::MelodyChord grip{{chord.begin(), chord.end()}, QStringLiteral("p"), {}};
                const auto playableIn = [&](Bellows bellows) {
                    return std::all_of(grip.pitches.begin(), grip.pitches.end(), [&](int pitch) {
                        return pitches.lowestButton(pitch, bellows) != 0;
                    });
                };
                if (playableIn(Bellows::Push) || playableIn(Bellows::Pull)) {
                    melody.chords.push_back(grip);
                }
            }
            SCOPED_TRACE(tuning.name().toStdString() + " tune " + std::to_string(tune));
            const Fingering fingering = melody::fingerMelody(melody, tuning);
            const auto expected = bruteForce(melody, tuning);
            ASSERT_TRUE(expected);
            EXPECT_EQ(fingering.shift, 0);
            EXPECT_EQ(fingering.reversals, expected->reversals);
            EXPECT_EQ(fingering.movement, expected->movement);
            EXPECT_EQ(directionsOf(fingering), expected->directions);
            for (std::size_t i = 0; i < melody.chords.size(); ++i) {
                const auto& grip = fingering.grips[i];
                ASSERT_EQ(grip.tones.size(), qsizetype(melody.chords[i].pitches.size()));
                std::set<int> written;
                for (qsizetype k = 0; k < grip.tones.size(); ++k) {
                    const int button = grip.buttons[std::size_t(k)];
                    EXPECT_EQ(tuning.trebleTone(button, grip.bellows), grip.tones[k]);
                    const int pitch = *music::tonePitch(grip.tones[k]);
                    written.insert(pitch);
                    for (int lower = 1; lower < button; ++lower) {
                        EXPECT_NE(music::tonePitch(tuning.trebleTone(lower, grip.bellows)), pitch);
                    }
                }
                EXPECT_EQ(written, std::set<int>(melody.chords[i].pitches.begin(),
                                                 melody.chords[i].pitches.end()));
                EXPECT_TRUE(std::is_sorted(grip.buttons.begin(), grip.buttons.end()));
            }
        }
    }
}
