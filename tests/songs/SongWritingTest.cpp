// A song written at once from its grips reads back as the same grips, cursor on the first.
#include "support/TestFiles.h"

#include "songs/SongWriting.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<songs::SongGrip> someGrips() {
    songs::SongGrip first;
    first.syllable = "Škoda";
    first.treble = QStringList{"c1,", "e1,", "g1,"};
    first.bellows = tones::Bellows::Push;
    songs::SongGrip second;
    second.treble = QStringList{"d1,"};
    second.bellows = tones::Bellows::Pull;
    second.basses = QStringList{"G"};
    return {first, second};
}

}  // namespace

TEST(SongWriting, GripsBecomeRowsFromTheFirstWithTheCursorOnB1) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Píseň.xls");
    songs::writeSongFile(path, "G-C-F", someGrips());
    const auto data = spreadsheet::xls::readXlsFile(path);
    EXPECT_EQ(tools::dumpWorkbook(data),
              "sheet\tG-C-F\tactive\ncursor\t$B$1\n"
              "A1\tŠkoda\nB1\tc1,\nC1\te1,\nD1\tg1,\nI1\tTlak\n"
              "B2\td1,\nI2\tTah\nM2\tG\n");
    const auto back = songs::readSongGrips(*data.sheets.front());
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].treble, someGrips()[0].treble);
    EXPECT_EQ(back[1].bellows, tones::Bellows::Pull);
    EXPECT_EQ(back[1].row, 2);
}

TEST(SongWriting, AFileThatCannotBeWrittenLeavesTheOldOneAsItWas) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Stará.xls");
    testing_support::writeBytes(path, "stará píseň");
    bool refused = false;
    testing_support::withFullDisk([&] {
        try {
            songs::writeSongFile(path, "G-C-F", std::vector<songs::SongGrip>(3000, someGrips()[0]));
        } catch (const spreadsheet::SpreadsheetError&) {
            refused = true;
        }
    });
    EXPECT_TRUE(refused);
    EXPECT_EQ(testing_support::readBytes(path), QByteArray("stará píseň"));
}
