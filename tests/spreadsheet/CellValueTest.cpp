#include "spreadsheet/CellValue.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <clocale>

using spreadsheet::CellValue;

TEST(CellValue, NumbersReadAsGeneralFormatShowsThem) {
    EXPECT_EQ(CellValue::number(10).text(), QStringLiteral("10"));
    EXPECT_EQ(CellValue::number(-5).text(), QStringLiteral("-5"));
    EXPECT_EQ(CellValue::number(0).text(), QStringLiteral("0"));
    EXPECT_EQ(CellValue::number(-0.0).text(), QStringLiteral("0"));
    EXPECT_EQ(CellValue::number(0.5).text(), QStringLiteral("0.5"));
    EXPECT_EQ(CellValue::number(3.14159265358979).text(), QStringLiteral("3.14159265358979"));
    EXPECT_EQ(CellValue::number(0.1 + 0.2).text(), QStringLiteral("0.3"));
    EXPECT_EQ(CellValue::number(1234.5678).text(), QStringLiteral("1234.5678"));
    EXPECT_EQ(CellValue::number(1e20).text(), QStringLiteral("1E+20"));
    EXPECT_EQ(CellValue::number(1e-7).text(), QStringLiteral("1E-07"));
    EXPECT_EQ(CellValue::number(123456789012345.0).text(), QStringLiteral("123456789012345"));
}

TEST(CellValue, DecimalSeparatorIgnoresTheUsersLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "cs_CZ.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    }
    EXPECT_EQ(CellValue::number(2.5).text(), QStringLiteral("2.5"));
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(CellValue, TheEmptyTextLeavesACellEmpty) {
    EXPECT_TRUE(CellValue(QString()).isEmpty());
    EXPECT_TRUE(CellValue("").isEmpty());
    EXPECT_EQ(CellValue(""), CellValue());
    EXPECT_FALSE(CellValue(" ").isEmpty());
}

TEST(CellValue, BooleansAndErrorsHaveTheirSpreadsheetTexts) {
    EXPECT_EQ(CellValue::boolean(true).text(), QStringLiteral("TRUE"));
    EXPECT_EQ(CellValue::boolean(false).text(), QStringLiteral("FALSE"));
    EXPECT_EQ(CellValue::error(0x07).text(), QStringLiteral("#DIV/0!"));
    EXPECT_EQ(CellValue::error(0x2A).text(), QStringLiteral("#N/A"));
    EXPECT_NE(CellValue::number(1), CellValue("1"));
    EXPECT_NE(CellValue::boolean(true), CellValue::number(1));
}
