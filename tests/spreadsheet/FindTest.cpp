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

    void put(std::initializer_list<std::pair<const char*, CellValue>> cells) {
        for (const auto& [address, value] : cells) {
            host.app.range(QString::fromLatin1(address)).setValue(value);
        }
    }

    // Selects `area` and searches it from its first cell, then repeats from each hit: the
    // addresses met, as a program walking partial matches sees them.
    QStringList walk(const char* area, const CellValue& what, int searches) {
        auto& app = host.app;
        app.range(QString::fromLatin1(area)).select();
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
    put({{"A1", "Knoflík"}});
    for (int button = 1; button <= 37; ++button) {
        host.app.range(QStringLiteral("A%1").arg(button + 1)).setValue(CellValue::number(button));
    }
    // Button 1 lies in row 2, before the rows of 10 to 19 that also contain a 1.
    EXPECT_EQ(walk("A1:A43", CellValue::number(1), 1), QStringList{"$A$2"});
    // Looking on: 10, 11, ... contain the digit too, and "21" and "31" after them.
    EXPECT_EQ(walk("A1:A43", CellValue::number(1), 4),
              (QStringList{"$A$2", "$A$11", "$A$12", "$A$13"}));
    EXPECT_EQ(walk("A1:A43", CellValue::number(37), 1), QStringList{"$A$38"});
}

TEST_F(Find, APartialMatchAboveStopsTheSearchFirst) {
    put({{"B2", "c1,"}, {"B3", "des1,"}, {"B4", "es1,"}, {"B5", "ges1,"}});
    EXPECT_EQ(walk("B1:B43", CellValue("es1,"), 5),
              (QStringList{"$B$3", "$B$4", "$B$5", "$B$3", "$B$4"}));
}

TEST_F(Find, TheFirstRowOfTheRangeIsExaminedLast) {
    put({{"C1", "g1,"}, {"C30", "g1,"}});
    EXPECT_EQ(walk("C1:C43", CellValue("g1,"), 3), (QStringList{"$C$30", "$C$1", "$C$30"}));
    // Alone in row 1, it is still found, after a full round.
    put({{"C30", CellValue()}});
    EXPECT_EQ(walk("C1:C43", CellValue("g1,"), 1), QStringList{"$C$1"});
}

TEST_F(Find, CaseIsIgnoredCzechLettersIncluded) {
    put({{"A3", "Tlak"}, {"A5", "Čtení"}});
    EXPECT_EQ(walk("A1:A9", CellValue("TLAK"), 1), QStringList{"$A$3"});
    EXPECT_EQ(walk("A1:A9", CellValue("čTEN"), 1), QStringList{"$A$5"});
}

TEST_F(Find, TheEmptyTextFindsTheNextEmptyCell) {
    for (int row = 1; row <= 10; ++row) {
        host.app.range(QStringLiteral("B%1").arg(row)).setValue(CellValue("c,"));
    }
    put({{"B12", "d,"}});
    EXPECT_EQ(walk("B1:B500", CellValue(), 2), (QStringList{"$B$11", "$B$13"}));
}

TEST_F(Find, WideRangesAreSearchedRowByRow) {
    put({{"A1", "x"}, {"C1", "x"}, {"B2", "x"}, {"A3", "x"}});
    EXPECT_EQ(walk("A1:C3", CellValue("x"), 4), (QStringList{"$C$1", "$B$2", "$A$3", "$A$1"}));
}

TEST_F(Find, NothingFoundFailsWith91WhenActivatedAStartOutsideTheRangeWith1004) {
    put({{"B2", "c1,"}});
    auto& app = host.app;
    app.range(QStringLiteral("B1:B43")).select();
    const auto hit = app.selection().find(CellValue("fis3,"), app.activeCell());
    EXPECT_FALSE(hit);
    EXPECT_EQ(errorNumberOf([&] { hit.activate(); }), 91);
    // Values outside the selection do not count.
    put({{"C2", "fis3,"}});
    EXPECT_FALSE(app.selection().find(CellValue("fis3,"), app.activeCell()));
    // Starting outside the searched range is refused.
    app.range(QStringLiteral("D5")).select();
    EXPECT_EQ(errorNumberOf([&] {
                  app.range(QStringLiteral("A1:A43")).find(CellValue("x"), app.activeCell());
              }),
              1004);
}
