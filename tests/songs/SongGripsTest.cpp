// A song sheet read as a whole: where it ends, its rests, and the cells of each grip; and the
// last five songs, most recent first, kept across runs in the settings.
#include "support/TestFiles.h"

#include "services/ProgramSettings.h"
#include "songs/RecentSongs.h"
#include "songs/SongGrips.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using songs::RecentSongs;
using testing_support::sheetOf;
using testing_support::sheetWith;

TEST(SongGrips, TheSongEndsAtItsLastDirectionWord) {
    // Row 2 holds basses only (an accompaniment beat), row 3 nothing, row 5 tones without a
    // direction word after the last grip, row 6 a lower-case word that is no direction.
    const auto sheet =
        sheetOf("G-C-F", {"A1=Ja", "B1=c1,", "C1=e1,", "I1=Tlak", "M2=(C)", "N2=C", "I2=Tah",
                          "B4=g1,", "D4=h1,", "I4=Tah", "B5=a1,", "B6=a1,", "I6=tlak"});
    EXPECT_EQ(songs::lastGripRow(*sheet), 4);
    const auto grips = songs::readSongGrips(*sheet);
    ASSERT_EQ(grips.size(), 4u);
    EXPECT_EQ(grips[0].syllable, "Ja");
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
    const auto sheet = sheetWith("G-C-F", {{"B1", "c1,"}, {"B2", "d1,"}});
    EXPECT_EQ(songs::lastGripRow(*sheet), 0);
    EXPECT_TRUE(songs::readSongGrips(*sheet).empty());
}

namespace {

class RecentSongsTest : public testing::Test {
protected:
    QString song(const QString& name) {
        const QString path = folder.filePath(name + ".xls");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    QTemporaryDir folder;
};

}  // namespace

TEST_F(RecentSongsTest, TheLastFiveMostRecentFirstEachOnce) {
    RecentSongs recent;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        recent.remember(song(name));
    }
    recent.remember(folder.path() + "/./d.xls");  // the same song by another path
    const QDir dir(folder.path());
    const QStringList expected{dir.filePath("d.xls"), dir.filePath("f.xls"), dir.filePath("e.xls"),
                               dir.filePath("c.xls"), dir.filePath("b.xls")};
    EXPECT_EQ(recent.paths(), expected);
    // A list edited by hand is tidied on reading.
    EXPECT_EQ(
        RecentSongs(QStringList{expected[0], ""} + expected + QStringList{dir.filePath("a.xls")})
            .paths(),
        expected);
}

TEST_F(RecentSongsTest, KeptInTheSettingsAcrossRuns) {
    const QString ini = folder.filePath("settings.ini");
    {
        services::ProgramSettings settings(ini);
        EXPECT_EQ(settings.list(services::ProgramSettings::PosledniPisne), QStringList());
        RecentSongs recent(settings.list(services::ProgramSettings::PosledniPisne));
        recent.remember(song("Polka, ta naše"));
        recent.remember(song("Valčík"));
        settings.setList(services::ProgramSettings::PosledniPisne, recent.paths());
    }
    services::ProgramSettings settings(ini);
    const RecentSongs recent(settings.list(services::ProgramSettings::PosledniPisne));
    EXPECT_EQ(recent.paths(),
              (QStringList{folder.filePath("Valčík.xls"), folder.filePath("Polka, ta naše.xls")}));
}
