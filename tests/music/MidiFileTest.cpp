// The song as a Standard MIDI File: what an independent reader (mido) makes of it, and the
// bytes of the edge cases.
#include "support/TestFiles.h"

#include "music/MidiFile.h"
#include "songs/SongGrips.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::sheetOf;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int value : values) {
        out += static_cast<char>(value);
    }
    return out;
}

// Row 1: c1, e1, and c1, again over the bass C; row 2 a rest although it holds a tone; row 3
// c1, over the chord (C); row 4 tones without a direction word after the song's end.
music::SongScore smallSong(const QString& name) {
    const auto sheet =
        sheetOf(QStringLiteral("G-C-F"), {"B1=c1,", "C1=e1,", "D1=c1,", "I1=Tlak", "M1=C", "B2=g1,",
                                          "B3=c1,", "I3=Tah", "M3=(C)", "B4=a1,"});
    return music::songScore(songs::readSongGrips(*sheet), name);
}

QStringList readByMido(const QString& path) {
    QProcess reader;
    reader.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(MECHIK_TEST_DATA "/midi-events.py"), path});
    EXPECT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QString::fromUtf8(reader.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
}

}  // namespace

TEST(MidiFile, ASongOfOneRestlessBeatAndAnEmptySong) {
    music::SongScore score;
    score.beats = {{1, false, {}}};
    const QByteArray file = music::midiFileBytes(score, 60);
    // 60 beats a minute is 1000000 us (0x0F4240); the tracks end after one quarter (0x83 0x60).
    EXPECT_TRUE(file.contains(bytes({0xFF, 0x51, 3, 0x0F, 0x42, 0x40, 0x83, 0x60, 0xFF, 0x2F, 0})));
    EXPECT_TRUE(file.contains(bytes({0, 0xC1, 21, 0x83, 0x60, 0xFF, 0x2F, 0})));
    EXPECT_TRUE(music::midiFileBytes({}, 100).endsWith(bytes({0, 0xC1, 21, 0, 0xFF, 0x2F, 0})));
}

TEST(MidiFile, AnIndependentReaderHearsTheSongAsWritten) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Škoda lásky.mid"));
    music::writeMidiFile(path, smallSong(QStringLiteral("Škoda lásky")), 120);
    const QStringList expected = {"type 1 ticks 480 tracks 3 seconds 1.5",
                                  "0 0 name Škoda lásky",
                                  "0 0 tempo 500000",
                                  "0 1440 end",
                                  "1 0 program 0 21",
                                  "1 0 note_on 0 60 100",
                                  "1 0 note_on 0 64 100",
                                  "1 480 note_off 0 60 64",
                                  "1 480 note_off 0 64 64",
                                  "1 960 note_on 0 60 100",
                                  "1 1440 note_off 0 60 64",
                                  "1 1440 end",
                                  "2 0 program 1 21",
                                  "2 0 note_on 1 36 80",
                                  "2 480 note_off 1 36 64",
                                  "2 960 note_on 1 48 80",
                                  "2 960 note_on 1 52 80",
                                  "2 960 note_on 1 55 80",
                                  "2 1440 note_off 1 48 64",
                                  "2 1440 note_off 1 52 64",
                                  "2 1440 note_off 1 55 64",
                                  "2 1440 end"};
    EXPECT_EQ(readByMido(path), expected);
}

TEST(MidiFile, AFailedSaveLeavesNoFileAndKeepsTheOldOne) {
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath(QStringLiteral("nic/píseň.mid"));
    try {
        music::writeMidiFile(missingFolder, smallSong(QStringLiteral("Ja")), 100);
        FAIL() << "saved into a missing folder";
    } catch (const spreadsheet::SpreadsheetError& error) {
        EXPECT_EQ(error.description(),
                  QStringLiteral("Soubor %1 nelze uložit: složka %2 neexistuje.")
                      .arg(QDir::toNativeSeparators(missingFolder),
                           QDir::toNativeSeparators(dir.filePath(QStringLiteral("nic")))));
    }
    // A long song on a full disk: the old file stays as it was, and nothing else is left.
    const QString path = dir.filePath(QStringLiteral("píseň.mid"));
    testing_support::writeBytes(path, "old");
    music::SongScore longSong;
    longSong.beats.assign(500, {1, false, {{60, 64, 67}, {36}}});
    testing_support::withFullDisk([&] {
        EXPECT_THROW(music::writeMidiFile(path, longSong, 100), spreadsheet::SpreadsheetError);
    });
    EXPECT_EQ(testing_support::readBytes(path), QByteArray("old"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("píseň.mid")});
}
