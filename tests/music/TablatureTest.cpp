// A song as a tablature: the buttons print shows for its tones in the delivered tunings.
#include "support/DeliveredTunings.h"

#include "music/Tablature.h"
#include "songs/SongGrips.h"
#include "tones/TuningTable.h"

#include <gtest/gtest.h>

#include <tuple>

using keyboard::InstrumentModel;
using keyboard::Numbering;
using music::Tablature;
using testing_support::deliveredTuning;
using testing_support::sheetOf;

namespace {

// G-C-F: 1 push c1 e1 g1 (inner 10, middle 20 and 19); 2 a rest; 3 pull es1 and as1, which the
// tuning spells gis1 (outer 37 and 36), and fis2 (outer 27); 4 push c2 (inner 7) and d4, which no
// button gives; 5 pull es1 only.
Tablature gcfSong(InstrumentModel model, Numbering numbering) {
    const auto sheet =
        sheetOf(QStringLiteral("G-C-F"),
                {"A1=Ja",  "B1=c1,", "C1=e1,", "D1=g1,",  "I1=Tlak", "M1=C",     "N1=(C)",
                 "A2=-",   "B2=f1,", "A3=na",  "B3=es1,", "C3=as1,", "D3=fis2,", "I3=Tah",
                 "M3=(G)", "B4=c2,", "C4=d4,", "I4=Tlak", "B5=es1,", "I5=Tah"});
    return music::buildTablature(QStringLiteral("Píseň"), QStringLiteral("G-C-F"),
                                 songs::readSongGrips(*sheet),
                                 deliveredTuning(QStringLiteral("G-C-F")), model, numbering);
}

using Lines = std::vector<QStringList>;

}  // namespace

TEST(Tablature, ButtonNumbersOfKnownGripsInBothNumberings) {
    const Tablature standard = gcfSong(InstrumentModel::Full, Numbering::Standard);
    ASSERT_EQ(standard.columns.size(), 5u);
    // Lines: outer, middle, inner; a line reads from the bottom of the keyboard up.
    EXPECT_EQ(standard.columns[0].lines, (Lines{{}, {"5", "6"}, {"3"}}));
    EXPECT_EQ(standard.columns[2].lines, (Lines{{"1", "2", "11"}, {}, {}}));
    EXPECT_EQ(standard.columns[3].lines, (Lines{{}, {}, {"6"}}));

    const Tablature trizonia = gcfSong(InstrumentModel::Full, Numbering::Trizonia);
    EXPECT_EQ(trizonia.columns[0].lines, (Lines{{}, {"5", "6"}, {"2"}}));
    EXPECT_EQ(trizonia.columns[2].lines, (Lines{{"1", "A", "9"}, {}, {}}));
    EXPECT_EQ(trizonia.columns[3].lines, (Lines{{}, {}, {"5s"}}));
}

TEST(Tablature, ColumnsKeepTheSongsOrderRestsBassesSyllablesAndUnknownTones) {
    const Tablature t = gcfSong(InstrumentModel::Full, Numbering::Standard);
    EXPECT_EQ(t.songName, QStringLiteral("Píseň"));
    EXPECT_EQ(t.lines.size(), 3u);
    // A rest: nothing looked up, no bar, though its cells hold a tone. The bar goes under pull
    // grips only.
    QStringList columns;
    for (const auto& column : t.columns) {
        columns << QStringLiteral("%1 %2%3 %4 | %5")
                       .arg(column.grip)
                       .arg(column.rest ? "rest" : "grip", column.pull ? " pull" : "",
                            column.syllable, column.basses.join(u' '));
    }
    EXPECT_EQ(columns, (QStringList{"1 grip Ja | C (C)", "2 rest - | ", "3 grip pull na | (G)",
                                    "4 grip  | ", "5 grip pull  | "}));
    EXPECT_EQ(t.columns[1].lines, (Lines{{}, {}, {}}));
    EXPECT_TRUE(t.columns[1].unknownTones.isEmpty());
    // A tone no button gives is flagged in its column and listed.
    EXPECT_EQ(t.columns[3].unknownTones, (QStringList{"d4,"}));
    ASSERT_EQ(t.unknownTones.size(), 1u);
    EXPECT_EQ(t.unknownTones[0].grip, 4);
    EXPECT_EQ(t.unknownTones[0].tone, QStringLiteral("d4,"));
    EXPECT_FALSE(t.unknownTones[0].pull);
}

TEST(Tablature, AModelPrintsOnlyTheColumnsAndButtonsItHas) {
    // The two-row model has no outer column: es1 and as1 pull exist only there. Its middle
    // and inner buttons keep their numbers.
    const Tablature twoRow = gcfSong(InstrumentModel::TwoRow, Numbering::Standard);
    EXPECT_EQ(twoRow.lines, (std::vector<keyboard::TrebleColumn>{keyboard::TrebleColumn::Middle,
                                                                 keyboard::TrebleColumn::Inner}));
    EXPECT_EQ(twoRow.columns[0].lines, (Lines{{"5", "6"}, {"3"}}));
    EXPECT_EQ(twoRow.columns[2].unknownTones, (QStringList{"es1,", "as1,", "fis2,"}));
    EXPECT_EQ(twoRow.columns[4].unknownTones, (QStringList{"es1,"}));
    EXPECT_EQ(twoRow.unknownTones.size(), 5u);

    // Club keeps three lines; es1 pull is on its outer button 37.
    const Tablature club = gcfSong(InstrumentModel::Club, Numbering::Standard);
    EXPECT_EQ(club.lines.size(), 3u);
    EXPECT_EQ(club.columns[4].lines, (Lines{{"1"}, {}, {}}));
}

TEST(Tablature, TheFirstButtonTheDisplayLightsAmongThoseTheModelHas) {
    const tones::TuningTable gcf = deliveredTuning(QStringLiteral("G-C-F"));
    // c1 push: inner 10 lit first, middle 21 after it; g1 push: middle 19 first, outer 31 after it.
    const std::tuple<const char*, bool, int> cases[] = {{"c1,", false, 10},
                                                        {"g1,", false, 19},
                                                        {"as1,", true, 36},
                                                        {"d4,", false, 0},
                                                        {"x", false, 0}};
    for (const auto& [tone, pull, button] : cases) {
        EXPECT_EQ(music::printedButton(gcf, QString::fromLatin1(tone), pull, InstrumentModel::Full),
                  button)
            << tone;
    }
}

TEST(Tablature, SongNameIsTheFileNameWithoutXls) {
    EXPECT_EQ(music::songNameOfFile(QStringLiteral("/a/b/Polka z Lipna.xls")),
              QStringLiteral("Polka z Lipna"));
    EXPECT_EQ(music::songNameOfFile(QStringLiteral("Valčík.XLS")), QStringLiteral("Valčík"));
    EXPECT_EQ(music::songNameOfFile(QStringLiteral("noty.v2.xls")), QStringLiteral("noty.v2"));
}
