// A song sheet read as a whole: where it ends, its rests, and the cells of each grip.
#include "support/TestFiles.h"

#include "songs/SongGrips.h"

#include <gtest/gtest.h>

using testing_support::sheetOf;
using testing_support::sheetWith;

TEST(SongGrips, TheSongEndsAtItsLastDirectionWord) {
    // Row 2 holds basses only (an accompaniment beat), row 3 nothing, row 5 tones without a
    // direction word after the last grip, row 6 a lower-case word that is no direction.
    const auto sheet = sheetOf(QStringLiteral("G-C-F"),
                               {"A1=Ja", "B1=c1,", "C1=e1,", "I1=Tlak", "M2=(C)", "N2=C", "I2=Tah",
                                "B4=g1,", "D4=h1,", "I4=Tah", "B5=a1,", "B6=a1,", "I6=tlak"});
    EXPECT_EQ(songs::lastGripRow(*sheet), 4);
    const auto grips = songs::readSongGrips(*sheet);
    ASSERT_EQ(grips.size(), 4u);
    EXPECT_EQ(grips[0].syllable, QStringLiteral("Ja"));
    EXPECT_EQ(grips[0].treble, (QStringList{"c1,", "e1,"}));
    EXPECT_EQ(grips[0].bellows, tones::Bellows::Push);
    EXPECT_TRUE(grips[1].treble.isEmpty());
    EXPECT_EQ(grips[1].basses, (QStringList{"(C)", "C"}));
    EXPECT_EQ(grips[1].bellows, tones::Bellows::Pull);
    EXPECT_TRUE(grips[2].isRest());
    EXPECT_EQ(grips[2].row, 3);
    // As the display reads a row: up to its first gap.
    EXPECT_EQ(grips[3].treble, (QStringList{"g1,"}));
}

TEST(SongGrips, ASheetWithoutDirectionWordsHasNoGrips) {
    const auto sheet = sheetWith(QStringLiteral("G-C-F"), {{"B1", "c1,"}, {"B2", "d1,"}});
    EXPECT_EQ(songs::lastGripRow(*sheet), 0);
    EXPECT_TRUE(songs::readSongGrips(*sheet).empty());
}
