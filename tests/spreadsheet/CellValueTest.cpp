#include "spreadsheet/CellValue.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <clocale>

using spreadsheet::CellValue;

TEST(CellValue, NumbersReadAsGeneralFormatShowsThem) {
    const std::pair<double, const char*> cases[] = {{10, "10"},
                                                    {-5, "-5"},
                                                    {0, "0"},
                                                    {-0.0, "0"},
                                                    {0.5, "0.5"},
                                                    {3.14159265358979, "3.14159265358979"},
                                                    {0.1 + 0.2, "0.3"},
                                                    {1234.5678, "1234.5678"},
                                                    {1e20, "1E+20"},
                                                    {1e-7, "1E-07"},
                                                    {123456789012345.0, "123456789012345"}};
    for (const auto& [number, text] : cases) {
        EXPECT_EQ(CellValue::number(number).text(), QString::fromLatin1(text)) << text;
    }
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

TEST(CellValue, TheEmptyTextLeavesACellEmptyBooleansAndErrorsShowTheirTexts) {
    EXPECT_TRUE(CellValue(QString()).isEmpty());
    EXPECT_TRUE(CellValue("").isEmpty());
    EXPECT_EQ(CellValue(""), CellValue());
    EXPECT_FALSE(CellValue(" ").isEmpty());
    // Booleans and errors have their spreadsheet texts.
    EXPECT_EQ(CellValue::boolean(true).text(), QStringLiteral("TRUE"));
    EXPECT_EQ(CellValue::boolean(false).text(), QStringLiteral("FALSE"));
    EXPECT_EQ(CellValue::error(0x07).text(), QStringLiteral("#DIV/0!"));
    EXPECT_EQ(CellValue::error(0x2A).text(), QStringLiteral("#N/A"));
    EXPECT_NE(CellValue::number(1), CellValue("1"));
    EXPECT_NE(CellValue::boolean(true), CellValue::number(1));
}
