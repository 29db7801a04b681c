// What sounds for a grip and for a whole song: the notes, the beats and rests, the cells that
// cannot sound.
#include "support/TestFiles.h"

#include "music/SongScore.h"
#include "songs/SongGrips.h"

#include <gtest/gtest.h>

using music::GripSound;
using music::NoteEvent;
using music::Part;

TEST(GripSound, TonesAndBassesSoundOncePerPitchWhatDoesNotParseIsSilent) {
    // "his," is "c1,"; the two chords share E and G.
    const GripSound sound = music::gripSound({"e1,", "c1,", "his,", "g1,"}, {"C", "(C)", "(Em)"});
    EXPECT_EQ(sound.treble, (std::vector<int>{64, 60, 67}));
    EXPECT_EQ(sound.basses, (std::vector<int>{36, 48, 52, 55, 59}));

    // Names that do not parse are silent and reported.
    std::vector<std::pair<bool, int>> unknown;
    const GripSound odd =
        music::gripSound({"c1,", "x1,"}, {"(D7)", "G", "Cm"},
                         [&](bool isBass, int index) { unknown.emplace_back(isBass, index); });
    EXPECT_EQ(odd.treble, (std::vector<int>{60}));
    EXPECT_EQ(odd.basses, (std::vector<int>{43}));
    EXPECT_EQ(unknown, (std::vector<std::pair<bool, int>>{{false, 1}, {true, 0}, {true, 2}}));
    EXPECT_TRUE(music::gripSound({}, {}).isSilent());
}

TEST(SongScore, EveryRowIsABeatAndSkippedCellsNameTheirPlace) {
    // Row 2 is a rest: its bass "(D7)" is not looked at.
    const auto sheet = testing_support::sheetOf(
        QStringLiteral("G-C-F"), {"B1=c1,", "C1=x1,", "I1=Tlak", "M1=C", "B2=g1,", "M2=(D7)",
                                  "B3=d1,", "I3=Tah", "M3=F", "N3=(D7)"});
    const auto score = music::songScore(songs::readSongGrips(*sheet), QStringLiteral("Píseň"));
    EXPECT_EQ(score.name, QStringLiteral("Píseň"));
    ASSERT_EQ(score.beats.size(), 3u);
    EXPECT_EQ(score.beats[0].sound, (GripSound{{60}, {36}}));
    EXPECT_TRUE(score.beats[1].rest);
    EXPECT_TRUE(score.beats[1].sound.isSilent());
    EXPECT_EQ(score.beats[2].row, 3);
    EXPECT_EQ(score.endTick(), 3 * 480);
    ASSERT_EQ(score.skipped.size(), 2u);
    EXPECT_EQ(music::describeSkippedCell(score.skipped[0]),
              QStringLiteral("Řádek 1, sloupec C: „x1,“ není název tónu; přeskočeno."));
    EXPECT_EQ(music::describeSkippedCell(score.skipped[1]),
              QStringLiteral("Řádek 3, sloupec N: „(D7)“ není název basu ani akordu; přeskočeno."));
}

TEST(SongScore, NotesEndWithTheirBeatAndEndsComeBeforeStarts) {
    music::SongScore score;
    score.beats = {{1, false, {{60, 64}, {36}}},
                   {2, false, {{60}, {}}},  // c1, struck again
                   {3, true, {}},
                   {4, false, {{}, {48}}}};
    const std::vector<NoteEvent> expected = {
        {0, Part::Treble, 60, true},    {0, Part::Treble, 64, true},
        {0, Part::Bass, 36, true},      {480, Part::Treble, 60, false},
        {480, Part::Treble, 64, false}, {480, Part::Bass, 36, false},
        {480, Part::Treble, 60, true},  {960, Part::Treble, 60, false},
        {1440, Part::Bass, 48, true},   {1920, Part::Bass, 48, false}};
    EXPECT_EQ(music::noteEvents(score), expected);
    EXPECT_TRUE(music::noteEvents(music::SongScore{}).empty());
}
