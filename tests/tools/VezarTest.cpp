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

namespace {

const spreadsheet::WorkbookData& vezar() {
    static const auto data = spreadsheet::xls::readXlsFile(testing_support::DeliveredDatabase);
    return data;
}

int pitchOf(const QString& tone) {
    const std::optional<int> pitch = music::tonePitch(tone);
    EXPECT_TRUE(pitch.has_value()) << "not a tone name: " << tone.toStdString();
    return pitch.value_or(0);
}

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

TEST(Vezar, SheetsInTheAgreedOrderTheFirstActiveEachWithTheTuningLayout) {
    QStringList names;
    for (const auto& sheet : vezar().sheets) {
        names << sheet->name();
        SCOPED_TRACE(sheet->name().toStdString());
        EXPECT_FALSE(sheet->value({1, 1}).isNumber());
        for (int row = 2; row <= 38; ++row) {
            const CellValue& number = sheet->value({row, 1});
            ASSERT_TRUE(number.isNumber()) << "A" << row;
            EXPECT_EQ(number.numberValue(), row - 1) << "A" << row;
        }
        sheet->forEachCell([](spreadsheet::CellAddress cell, const CellValue& value) {
            const bool treble = cell.column <= 3 && cell.row <= 38;
            const bool bass = (cell.column == 6 || cell.column == 7) && cell.row <= 13;
            EXPECT_TRUE(treble || bass)
                << "stray cell " << cell.toA1().toStdString() << ": " << value.text().toStdString();
        });
    }
    EXPECT_EQ(names, (QStringList{"G-C-F", "A-D-G", "B-Es-As", "C-F-B", "F-B-Es", "C-F", "G-C",
                                  "Club C-F"}));
    EXPECT_EQ(vezar().activeSheet, 0);
}

TEST(Vezar, TheTablesAreCopiedCellForCell) {
    const QDir tables(QStringLiteral(MECHIK_TEST_DATA "/../../resources/tunings"));
    for (const auto& sheet : vezar().sheets) {
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

// A tone written an octave off shows as a button whose push and pull lie further apart than on
// any real button, at most a fifth (the Gleichton gives the same tone both ways), or as a break
// in a row's rise from the chin (the highest number of the drawn columns inner 1..12, middle
// 13..24, outer 25..37).
TEST(Vezar, PushAndPullLieAtMostAFifthApartAndTheRowsRiseFromTheChin) {
    for (const auto& sheet : vezar().sheets) {
        SCOPED_TRACE(sheet->name().toStdString());
        for (int button = 1; button <= 37; ++button) {
            const QString push = sheet->value({button + 1, 2}).text();
            const QString pull = sheet->value({button + 1, 3}).text();
            if (!push.isEmpty() && !pull.isEmpty()) {
                EXPECT_LE(std::abs(pitchOf(push) - pitchOf(pull)), 7)
                    << "button " << button << ": " << push.toStdString() << " / "
                    << pull.toStdString();
            }
        }
        const std::set<int> helpers = helperButtons(sheet->name());
        for (const auto& [top, chin] : {std::pair{1, 12}, std::pair{13, 24}, std::pair{25, 37}}) {
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
    const std::pair<const char*, const char*> cases[] = {
        {"treble\t1\tc,\td,\n", "none"},
        {"levá\t1\tc,\td,\n", "X, line 2: side must be treble or bass"},
        {"treble\t38\tc,\td,\n", "X, line 2: button must be 1..37"},
        {"bass\t13\tC\tG\n", "X, line 2: button must be 1..12"},
        {"bass\t1\tC\tG\nbass\t1\tC\tG\n", "X, line 3: button listed twice"},
        {"treble\t1\tc,\n", "X, line 2: expected 4 tab-separated fields"}};
    const auto faultOf = [](const QString& table) -> std::string {
        try {
            tools::tuningSheetFromTable(QStringLiteral("X"), table);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "none";
    };
    for (const auto& [rows, fault] : cases) {
        EXPECT_EQ(faultOf("side\tbutton\tpush\tpull\n" + QString::fromUtf8(rows)), fault) << rows;
    }
    EXPECT_EQ(faultOf("side\tbutton\tpush\n"),
              "X, line 1: expected the header \"side button push pull\"");
}
