// A tuning as plain data must answer exactly as the display's and recording's searches in the
// sheet do.
#include "support/TestFiles.h"
#include "support/TestHost.h"

#include "spreadsheet/Application.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/ToneLookup.h"
#include "tones/TuningSheetLayout.h"
#include "tones/TuningTable.h"

#include <gtest/gtest.h>

using tones::Bellows;
using tones::TuningTable;

TEST(TuningTable, ButtonsOfAToneInTheDisplaysOrder) {
    // Row 1 is searched last; a row without a number in A lights nothing; case counts.
    const auto sheet = testing_support::sheetOf(
        QStringLiteral("T"), {"A1=Knoflík", "B1=c1,", "B2=des1,", "B3=es1,", "A4=3", "B4=c1,",
                              "B5=c1,", "B6=C1,", "C6=c1,"});
    sheet->setValue({2, 1}, spreadsheet::CellValue::number(1));
    sheet->setValue({3, 1}, spreadsheet::CellValue::number(2));
    sheet->setValue({6, 1}, spreadsheet::CellValue::number(5));
    const TuningTable table = TuningTable::fromSheet(*sheet);
    EXPECT_EQ(table.trebleButtonsOf(QStringLiteral("c1,"), Bellows::Push), (std::vector<int>{3}));
    EXPECT_EQ(table.trebleButtonsOf(QStringLiteral("es1,"), Bellows::Push), (std::vector<int>{2}));
    EXPECT_EQ(table.trebleButtonsOf(QStringLiteral("c1,"), Bellows::Pull), (std::vector<int>{5}));
    EXPECT_TRUE(table.trebleButtonsOf(QString(), Bellows::Pull).empty());
    EXPECT_EQ(table.trebleTone(3, Bellows::Push), QStringLiteral("c1,"));
    EXPECT_EQ(table.trebleTone(5, Bellows::Pull), QStringLiteral("c1,"));
    EXPECT_EQ(table.trebleTone(4, Bellows::Push), QString());
}

namespace {

// Each tuning of the delivered database as plain data, its sheet the host's active one.
template <typename Check>
void forEachDeliveredTuning(Check check) {
    testing_support::TestHost host;
    auto& app = host.app;
    app.openWorkbook(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"));
    const auto data = spreadsheet::xls::readXlsFile(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"));
    for (const auto& sheet : data.sheets) {
        SCOPED_TRACE(sheet->name().toStdString());
        app.sheet(sheet->name()).select();
        check(app, TuningTable::fromSheet(*sheet));
    }
}

}  // namespace

// Every tone and bass of every delivered tuning: the first button equals the cell the host's
// search for the display stops on.
TEST(TuningTable, AgreesWithTheSheetSearchOnTheDeliveredDatabase) {
    forEachDeliveredTuning([](spreadsheet::Application& app, const TuningTable& table) {
        for (const auto side : {tones::KeyboardSide::Treble, tones::KeyboardSide::Bass}) {
            for (const auto bellows : {Bellows::Push, Bellows::Pull}) {
                const bool treble = side == tones::KeyboardSide::Treble;
                const int back = tones::columnsBackToButton(side, bellows);
                for (const auto& row : treble ? table.trebleRows() : table.bassRows()) {
                    const QString& tone = bellows == Bellows::Push ? row.push : row.pull;
                    if (tone.isEmpty() || !row.button) {
                        continue;
                    }
                    SCOPED_TRACE(tone.toStdString());
                    app.range(tones::toneRange(side, bellows, tones::TuningReach::Shown)).select();
                    ASSERT_TRUE(tones::findWholeCell(app, tone));
                    const int found =
                        static_cast<int>(app.activeCell().offset(0, -back).value().numberValue());
                    const auto buttons = treble ? table.trebleButtonsOf(tone, bellows)
                                                : table.bassButtonsOf(tone, bellows);
                    ASSERT_FALSE(buttons.empty());
                    EXPECT_EQ(buttons.front(), found);
                    EXPECT_EQ(treble ? table.trebleTone(buttons.front(), bellows)
                                     : table.bassTone(buttons.front(), bellows),
                              tone);
                }
            }
        }
    });
}

// Recording finds a button by its number where the display's table says it is, on both sides.
TEST(TuningTable, ButtonRowsAgreeWithTheSearchForTheirNumber) {
    forEachDeliveredTuning([](spreadsheet::Application& app, const TuningTable& table) {
        for (const auto side : {tones::KeyboardSide::Treble, tones::KeyboardSide::Bass}) {
            const bool treble = side == tones::KeyboardSide::Treble;
            const int buttons = treble ? tones::TrebleButtons : tones::BassButtons;
            for (int button = 1; button <= buttons; ++button) {
                SCOPED_TRACE(button);
                app.range(tones::buttonNumberRange(side)).select();
                const auto found = tones::findWholeCell(app, QString::number(button));
                const auto row = treble ? table.trebleRowOf(button) : table.bassRowOf(button);
                ASSERT_EQ(static_cast<bool>(found), row.has_value());
                if (row) {
                    EXPECT_EQ(app.activeCell().row(), *row);
                }
            }
        }
    });
}
