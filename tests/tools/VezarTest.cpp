// The tuning database the build generates: its sheets, their layout and the tones' order.
// (Every tone's pitch and the program's lookups are checked with the pitches and tuning tables.)
#include "support/TestFiles.h"

#include "music/Pitch.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tools/vezar/TuningTable.h"

#include <QDir>

#include <cstdlib>
#include <optional>
#include <set>
#include <utility>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using spreadsheet::Sheet;

namespace {

const QString vezarPath = QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls");
const QStringList tuningOrder{"G-C-F",  "A-D-G", "B-Es-As", "C-F-B",
                              "F-B-Es", "C-F",   "G-C",     "Club C-F"};

int pitchOf(const QString& tone) {
    const std::optional<int> pitch = music::tonePitch(tone);
    EXPECT_TRUE(pitch.has_value()) << "not a tone name: " << tone.toStdString();
    return pitch.value_or(0);
}

// The drawn columns: inner 1..12, middle 13..24, outer 25..37, each with its chin end at the
// highest number.
const std::pair<int, int> drawnColumns[] = {{1, 12}, {13, 24}, {25, 37}};

// Buttons that break their row's rise on purpose: the two semitone helpers at the chin end of
// the outermost row (outer 37 and 36; middle 24 and 23 in the two-row model), and in the Club
// model its short helper row (inner 4..10) and the C row's first button (outer 37).
std::set<int> helperButtons(const QString& tuning) {
    if (tuning == QStringLiteral("C-F") || tuning == QStringLiteral("G-C")) {
        return {23, 24};
    }
    if (tuning == QStringLiteral("Club C-F")) {
        return {4, 5, 6, 7, 8, 9, 10, 37};
    }
    return {36, 37};
}

}  // namespace

TEST(Vezar, SheetsInTheAgreedOrderTheFirstActive) {
    const auto data = spreadsheet::xls::readXlsFile(vezarPath);
    QStringList names;
    for (const auto& sheet : data.sheets) {
        names << sheet->name();
    }
    EXPECT_EQ(names, tuningOrder);
    EXPECT_EQ(data.activeSheet, 0);
}

TEST(Vezar, EverySheetHasTheTuningLayout) {
    const auto data = spreadsheet::xls::readXlsFile(vezarPath);
    for (const auto& sheet : data.sheets) {
        SCOPED_TRACE(sheet->name().toStdString());
        EXPECT_FALSE(sheet->value({1, 1}).isNumber());
        for (int row = 2; row <= 38; ++row) {
            const CellValue& number = sheet->value({row, 1});
            ASSERT_TRUE(number.isNumber()) << "A" << row;
            EXPECT_EQ(number.numberValue(), row - 1) << "A" << row;
        }
        sheet->forEachCell([&sheet](spreadsheet::CellAddress cell, const CellValue& value) {
            const bool treble = cell.column <= 3 && cell.row <= 38;
            const bool bass = (cell.column == 6 || cell.column == 7) && cell.row <= 13;
            EXPECT_TRUE(treble || bass)
                << "stray cell " << cell.toA1().toStdString() << " in "
                << sheet->name().toStdString() << ": " << value.text().toStdString();
        });
    }
}

TEST(Vezar, TheTablesAreCopiedCellForCell) {
    const auto data = spreadsheet::xls::readXlsFile(vezarPath);
    const QDir tables(QStringLiteral(MECHIK_TEST_DATA "/../../resources/tunings"));
    for (const auto& sheet : data.sheets) {
        const QStringList lines =
            QString::fromUtf8(testing_support::readBytes(tables.filePath(sheet->name() + ".tsv")))
                .split(u'\n', Qt::SkipEmptyParts);
        for (const QString& line : lines.mid(1)) {
            const QStringList f = line.split(u'\t');
            const int row = f[1].toInt() + 1;
            const int push = f[0] == QStringLiteral("treble") ? 2 : 6;
            EXPECT_EQ(sheet->value({row, push}).text(), f[2]) << line.toStdString();
            EXPECT_EQ(sheet->value({row, push + 1}).text(), f[3]) << line.toStdString();
        }
    }
}

// A tone written an octave off shows as a button whose push and pull lie further apart than
// on any real button: at most a fifth (the Gleichton gives the same tone both ways).
TEST(Vezar, PushAndPullOfEveryTrebleButtonLieAtMostAFifthApart) {
    const auto data = spreadsheet::xls::readXlsFile(vezarPath);
    for (const auto& sheet : data.sheets) {
        SCOPED_TRACE(sheet->name().toStdString());
        for (int button = 1; button <= 37; ++button) {
            const QString push = sheet->value({button + 1, 2}).text();
            const QString pull = sheet->value({button + 1, 3}).text();
            if (push.isEmpty() || pull.isEmpty()) {
                continue;
            }
            EXPECT_LE(std::abs(pitchOf(push) - pitchOf(pull)), 7)
                << "button " << button << ": " << push.toStdString() << " / " << pull.toStdString();
        }
    }
}

TEST(Vezar, TheMainRowsRiseFromTheChinInBothDirections) {
    const auto data = spreadsheet::xls::readXlsFile(vezarPath);
    for (const auto& sheet : data.sheets) {
        SCOPED_TRACE(sheet->name().toStdString());
        const std::set<int> helpers = helperButtons(sheet->name());
        for (const auto& [top, chin] : drawnColumns) {
            for (int column : {2, 3}) {
                int previous = 0;
                for (int button = chin; button >= top; --button) {
                    const QString tone = sheet->value({button + 1, column}).text();
                    if (tone.isEmpty() || helpers.count(button) > 0) {
                        continue;
                    }
                    EXPECT_GT(pitchOf(tone), previous)
                        << "button " << button << (column == 2 ? " push " : " pull ")
                        << tone.toStdString();
                    previous = pitchOf(tone);
                }
            }
        }
    }
}

TEST(TuningTable, FaultsNameTheLine) {
    auto faultOf = [](const char* table) -> std::string {
        try {
            tools::tuningSheetFromTable(QStringLiteral("X"), QString::fromUtf8(table));
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "none";
    };
    EXPECT_EQ(faultOf("side\tbutton\tpush\tpull\ntreble\t1\tc,\td,\n"), "none");
    EXPECT_EQ(faultOf("side\tbutton\tpush\n"),
              "X, line 1: expected the header \"side button push pull\"");
    EXPECT_EQ(faultOf("side\tbutton\tpush\tpull\nlevá\t1\tc,\td,\n"),
              "X, line 2: side must be treble or bass");
    EXPECT_EQ(faultOf("side\tbutton\tpush\tpull\ntreble\t38\tc,\td,\n"),
              "X, line 2: button must be 1..37");
    EXPECT_EQ(faultOf("side\tbutton\tpush\tpull\nbass\t13\tC\tG\n"),
              "X, line 2: button must be 1..12");
    EXPECT_EQ(faultOf("side\tbutton\tpush\tpull\nbass\t1\tC\tG\nbass\t1\tC\tG\n"),
              "X, line 3: button listed twice");
    EXPECT_EQ(faultOf("side\tbutton\tpush\tpull\ntreble\t1\tc,\n"),
              "X, line 2: expected 4 tab-separated fields");
}
