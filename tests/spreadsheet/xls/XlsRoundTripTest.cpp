// What the writer puts into a file, the reader gets back: every sheet with its name and
// cells, the active sheet, and each sheet's selection and active cell.
#include "support/TestFiles.h"

#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;
using spreadsheet::CellAddress;
using spreadsheet::CellRect;
using spreadsheet::CellValue;
using spreadsheet::Sheet;
using spreadsheet::WorkbookData;

namespace {

WorkbookData roundTrip(const std::vector<std::shared_ptr<Sheet>>& sheets, int active) {
    std::vector<const Sheet*> raw;
    for (const auto& s : sheets) {
        raw.push_back(s.get());
    }
    return spreadsheet::xls::readXlsBytes(spreadsheet::xls::encodeXls(raw, active), "test.xls");
}

void expectSameCells(const Sheet& expected, const Sheet& actual) {
    EXPECT_EQ(actual.name(), expected.name());
    std::vector<std::pair<QString, QString>> a;
    std::vector<std::pair<QString, QString>> b;
    expected.forEachCell([&a](CellAddress c, const CellValue& v) {
        a.push_back({c.toA1(), v.text()});
    });
    actual.forEachCell([&b](CellAddress c, const CellValue& v) {
        b.push_back({c.toA1(), v.text()});
    });
    EXPECT_EQ(a, b);
    expected.forEachCell([&actual](CellAddress c, const CellValue& v) {
        EXPECT_EQ(actual.value(c), v) << c.toA1().toStdString();
    });
}

}  // namespace

TEST(XlsRoundTrip, ASongWithItsTuningSyllablesTonesAndCursor) {
    auto song =
        sheetOf(QStringLiteral("Club C-F"), {"A1=Ško-", "B1=cis1,", "C1=es2,", "I1=Tlak", "M1=(F)",
                                             "A2=da\tže\nmi\r\\", "B2=b1,", "I2=Tah"});
    song->setValue({2, 10}, CellValue::number(3.25));
    song->setValue({2, 11}, CellValue::boolean(false));
    song->setValue({2, 12}, CellValue::error(0x07));
    song->setSelection(CellRect::single({2, 2}), {2, 2});
    const auto data = roundTrip({song}, 0);
    ASSERT_EQ(data.sheets.size(), 1u);
    expectSameCells(*song, *data.sheets[0]);
    EXPECT_EQ(data.sheets[0]->activeCell().toAbsolute(), QStringLiteral("$B$2"));
}

TEST(XlsRoundTrip, ManySheetsTheActiveOneAndEachCursor) {
    std::vector<std::shared_ptr<Sheet>> sheets;
    const QStringList names{"G-C-F", "A-D-G", "Píseň č. 3", QString(31, u'ž'), "Prázdný"};
    for (int i = 0; i < names.size(); ++i) {
        auto sheet = std::make_shared<Sheet>(names[i]);
        if (i != names.size() - 1) {
            sheet->setValue({i + 1, i + 1}, CellValue::number(i));
        }
        sheet->setSelection(CellRect{{1, 1}, {43, 1}}, {i + 2, 1});
        sheets.push_back(sheet);
    }
    const auto data = roundTrip(sheets, 3);
    ASSERT_EQ(data.sheets.size(), sheets.size());
    EXPECT_EQ(data.activeSheet, 3);
    for (size_t i = 0; i < sheets.size(); ++i) {
        expectSameCells(*sheets[i], *data.sheets[i]);
        EXPECT_EQ(data.sheets[i]->selection(), sheets[i]->selection());
        EXPECT_EQ(data.sheets[i]->activeCell(), sheets[i]->activeCell());
    }
}

TEST(XlsRoundTrip, LongAndManyStringsCrossContinueRecords) {
    auto sheet = std::make_shared<Sheet>(QStringLiteral("Dlouhé"));
    QString latin;
    QString czech;
    for (int i = 0; i < 9000; ++i) {
        latin += QChar(u'a' + i % 26);
        czech += QStringView(u"ěščřžýáíé")[i % 9];
    }
    sheet->setValue({1, 1}, CellValue(latin));
    sheet->setValue({2, 1}, CellValue(czech));
    sheet->setValue({3, 1}, CellValue(QString(32767, u'x')));
    for (int row = 4; row <= 3003; ++row) {
        sheet->setValue({row, 2}, CellValue(QStringLiteral("tón %1 ř").arg(row)));
        sheet->setValue({row, 3}, CellValue(QStringLiteral("t%1").arg(row % 7)));
    }
    const auto data = roundTrip({sheet}, 0);
    expectSameCells(*sheet, *data.sheets[0]);
}

TEST(XlsRoundTrip, TheFarCornerOfTheSheet) {
    auto sheet = sheetWith(QStringLiteral("Roh"),
                           {{"IV65536", "konec"}, {"A1", CellValue::number(-1e-300)}});
    sheet->setSelection(CellRect::single({65536, 256}), {65536, 256});
    const auto data = roundTrip({sheet}, 0);
    expectSameCells(*sheet, *data.sheets[0]);
    EXPECT_EQ(data.sheets[0]->activeCell().toAbsolute(), QStringLiteral("$IV$65536"));
}

TEST(XlsRoundTrip, TextTooLongForTheFormatIsRefusedNotCut) {
    auto sheet = sheetWith(QStringLiteral("List1"), {{"C3", CellValue(QString(32768, u'x'))}});
    QTemporaryDir dir;
    try {
        spreadsheet::xls::writeXlsFile(dir.filePath("a.xls"), {sheet.get()}, 0);
        FAIL() << "saved a cell the format cannot hold";
    } catch (const spreadsheet::SpreadsheetError& error) {
        EXPECT_EQ(error.number(), 1004);
        EXPECT_TRUE(error.description().contains(QStringLiteral("buňka C3 listu „List1“")))
            << error.description().toStdString();
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("a.xls")));
}
