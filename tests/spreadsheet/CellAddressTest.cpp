#include "spreadsheet/CellAddress.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using spreadsheet::CellAddress;
using spreadsheet::CellRect;

TEST(CellAddress, ReadsRelativeAbsoluteAndLowerCaseFormsAndNothingElse) {
    EXPECT_EQ(CellAddress::parse(u"B7"), (CellAddress{7, 2}));
    EXPECT_EQ(CellAddress::parse(u"$B$7"), (CellAddress{7, 2}));
    EXPECT_EQ(CellAddress::parse(u"b$7"), (CellAddress{7, 2}));
    EXPECT_EQ(CellAddress::parse(u"AA10"), (CellAddress{10, 27}));
    EXPECT_EQ(CellAddress::parse(u"IV65536"), (CellAddress{65536, 256}));
    // Refuses what no sheet of the format has.
    for (const char16_t* bad :
         {u"", u"B", u"7", u"B0", u"IW1", u"A65537", u"B7x", u"B 7", u"$$B7", u"ABCD1", u"A-1"}) {
        EXPECT_FALSE(CellAddress::parse(bad)) << QString::fromUtf16(bad).toStdString();
    }
}

TEST(CellAddress, WritesA1AndAbsoluteForms) {
    EXPECT_EQ((CellAddress{1, 2}).toAbsolute(), QStringLiteral("$B$1"));
    EXPECT_EQ((CellAddress{500, 26}).toA1(), QStringLiteral("Z500"));
    EXPECT_EQ((CellAddress{3, 28}).toA1(), QStringLiteral("AB3"));
    EXPECT_EQ((CellAddress{1, 256}).toA1(), QStringLiteral("IV1"));
}

TEST(CellRect, ReadsRangesInEitherCornerOrder) {
    const auto range = CellRect::parse(u"B1:B500");
    ASSERT_TRUE(range);
    EXPECT_EQ(range->first, (CellAddress{1, 2}));
    EXPECT_EQ(range->last, (CellAddress{500, 2}));
    EXPECT_EQ(range->toAbsolute(), QStringLiteral("$B$1:$B$500"));
    EXPECT_EQ(CellRect::parse(u"H9:A1"), CellRect::parse(u"A1:H9"));
    EXPECT_EQ(CellRect::parse(u"C3")->toAbsolute(), QStringLiteral("$C$3"));
    EXPECT_FALSE(CellRect::parse(u"A1:"));
    EXPECT_FALSE(CellRect::parse(u"A1:B2:C3"));
}
