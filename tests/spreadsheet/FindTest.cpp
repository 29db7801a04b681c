// The search order the program's lookups rely on: the selection after the active cell, by
// rows, wrapping round, the starting cell last; part of the cell, case ignored.
#include "support/TestHost.h"

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using testing_support::errorNumberOf;
using testing_support::TestHost;

namespace {

class Find : public ::testing::Test {
protected:
    void SetUp() override { host.app.addWorkbook(); }

    void put(const QString& address, const CellValue& value) {
        host.app.range(address).setValue(value);
    }

    // Selects `area` and searches it from its first cell, then repeats from each hit: the
    // addresses met, as a program walking partial matches sees them.
    QStringList walk(const QString& area, const CellValue& what, int searches) {
        auto& app = host.app;
        app.range(area).select();
        QStringList found;
        for (int i = 0; i < searches; ++i) {
            const auto hit = app.selection().find(what, app.activeCell());
            if (!hit) {
                found << QStringLiteral("-");
                break;
            }
            hit.activate();
            found << app.activeCell().address();
        }
        return found;
    }

    TestHost host;
};

}  // namespace

TEST_F(Find, ANumberIsFoundByItsTextStartingBelowTheFirstRow) {
    put(QStringLiteral("A1"), CellValue(QStringLiteral("Knoflík")));
    for (int button = 1; button <= 37; ++button) {
        put(QStringLiteral("A%1").arg(button + 1), CellValue::number(button));
    }
    // Button 1 lies in row 2, before the rows of 10 to 19 that also contain a 1.
    EXPECT_EQ(walk(QStringLiteral("A1:A43"), CellValue::number(1), 1), QStringList{"$A$2"});
    // Looking on: 10, 11, ... contain the digit too, and "21" and "31" after them.
    EXPECT_EQ(walk(QStringLiteral("A1:A43"), CellValue::number(1), 4),
              (QStringList{"$A$2", "$A$11", "$A$12", "$A$13"}));
    EXPECT_EQ(walk(QStringLiteral("A1:A43"), CellValue::number(37), 1), QStringList{"$A$38"});
}

TEST_F(Find, APartialMatchAboveStopsTheSearchFirst) {
    put(QStringLiteral("B2"), CellValue(QStringLiteral("c1,")));
    put(QStringLiteral("B3"), CellValue(QStringLiteral("des1,")));
    put(QStringLiteral("B4"), CellValue(QStringLiteral("es1,")));
    put(QStringLiteral("B5"), CellValue(QStringLiteral("ges1,")));
    EXPECT_EQ(walk(QStringLiteral("B1:B43"), CellValue(QStringLiteral("es1,")), 5),
              (QStringList{"$B$3", "$B$4", "$B$5", "$B$3", "$B$4"}));
}

TEST_F(Find, TheFirstRowOfTheRangeIsExaminedLast) {
    put(QStringLiteral("C1"), CellValue(QStringLiteral("g1,")));
    put(QStringLiteral("C30"), CellValue(QStringLiteral("g1,")));
    EXPECT_EQ(walk(QStringLiteral("C1:C43"), CellValue(QStringLiteral("g1,")), 3),
              (QStringList{"$C$30", "$C$1", "$C$30"}));
    // Alone in row 1, it is still found, after a full round.
    put(QStringLiteral("C30"), CellValue());
    EXPECT_EQ(walk(QStringLiteral("C1:C43"), CellValue(QStringLiteral("g1,")), 1),
              QStringList{"$C$1"});
}

TEST_F(Find, CaseIsIgnoredCzechLettersIncluded) {
    put(QStringLiteral("A3"), CellValue(QStringLiteral("Tlak")));
    put(QStringLiteral("A5"), CellValue(QStringLiteral("Čtení")));
    EXPECT_EQ(walk(QStringLiteral("A1:A9"), CellValue(QStringLiteral("TLAK")), 1),
              QStringList{"$A$3"});
    EXPECT_EQ(walk(QStringLiteral("A1:A9"), CellValue(QStringLiteral("čTEN")), 1),
              QStringList{"$A$5"});
}

TEST_F(Find, TheEmptyTextFindsTheNextEmptyCell) {
    for (int row = 1; row <= 10; ++row) {
        put(QStringLiteral("B%1").arg(row), CellValue(QStringLiteral("c,")));
    }
    put(QStringLiteral("B12"), CellValue(QStringLiteral("d,")));
    EXPECT_EQ(walk(QStringLiteral("B1:B500"), CellValue(), 2),
              (QStringList{"$B$11", "$B$13"}));
}

TEST_F(Find, WideRangesAreSearchedRowByRow) {
    put(QStringLiteral("A1"), CellValue(QStringLiteral("x")));
    put(QStringLiteral("C1"), CellValue(QStringLiteral("x")));
    put(QStringLiteral("B2"), CellValue(QStringLiteral("x")));
    put(QStringLiteral("A3"), CellValue(QStringLiteral("x")));
    EXPECT_EQ(walk(QStringLiteral("A1:C3"), CellValue(QStringLiteral("x")), 4),
              (QStringList{"$C$1", "$B$2", "$A$3", "$A$1"}));
}

TEST_F(Find, NothingFoundGivesNothingAndActivatingNothingFailsWith91) {
    put(QStringLiteral("B2"), CellValue(QStringLiteral("c1,")));
    auto& app = host.app;
    app.range(QStringLiteral("B1:B43")).select();
    const auto hit = app.selection().find(CellValue(QStringLiteral("fis3,")), app.activeCell());
    EXPECT_FALSE(hit);
    EXPECT_EQ(errorNumberOf([&] { hit.activate(); }), 91);
    // Values outside the selection do not count.
    put(QStringLiteral("C2"), CellValue(QStringLiteral("fis3,")));
    EXPECT_FALSE(app.selection().find(CellValue(QStringLiteral("fis3,")), app.activeCell()));
}

TEST_F(Find, StartingOutsideTheSearchedRangeIsRefused) {
    auto& app = host.app;
    app.range(QStringLiteral("D5")).select();
    EXPECT_EQ(errorNumberOf([&] {
                  app.range(QStringLiteral("A1:A43")).find(CellValue("x"), app.activeCell());
              }),
              1004);
}
