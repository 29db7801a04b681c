// Workbooks we write open in LibreOffice Calc with the same cells; what Calc writes back as
// .xls reads in again with the same cells, active sheet and cursors.
#include "support/LibreOffice.h"
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

using spreadsheet::CellAddress;
using spreadsheet::CellRect;
using spreadsheet::CellValue;
using spreadsheet::Sheet;
using testing_support::convertWithLibreOffice;

namespace {

std::vector<std::shared_ptr<Sheet>> interopWorkbook() {
    auto song = std::make_shared<Sheet>(QStringLiteral("Píseň G-C-F"));
    const QStringList tones{"c1,", "cis1,", "es2,", "b1,", "fis,"};
    for (int row = 1; row <= 120; ++row) {
        song->setValue({row, 1}, CellValue(QStringLiteral("slabika-ěščřž %1").arg(row)));
        song->setValue({row, 2}, CellValue(tones[row % tones.size()]));
        song->setValue({row, 9},
                       CellValue(row % 2 ? QStringLiteral("Tlak") : QStringLiteral("Tah")));
        song->setValue({row, 13}, CellValue(QStringLiteral("(F)")));
    }
    song->setValue({1, 4}, CellValue::number(37));
    song->setValue({2, 4}, CellValue::number(-2.5));
    song->setValue({3, 4}, CellValue::number(0.125));
    song->setValue({4, 4}, CellValue(QStringLiteral("čárka, \"uvozovky\" a\nřádek")));
    QString longText;
    for (int i = 0; i < 10000; ++i) {
        longText += QStringView(u"heligonkaŽ")[i % 10];
    }
    song->setValue({5, 4}, CellValue(longText));
    song->setSelection(CellRect::single({17, 2}), {17, 2});

    auto tuning = std::make_shared<Sheet>(QStringLiteral("C-F-B"));
    for (int row = 2; row <= 38; ++row) {
        tuning->setValue({row, 1}, CellValue::number(row - 1));
    }
    tuning->setSelection(CellRect::single({5, 3}), {5, 3});
    return {tuning, song};
}

}  // namespace

// Calc opens our workbook with the same cells, and what it writes back as .xls reads in again
// the same.
TEST(LibreOfficeInterop, CalcReadsOurWorkbookAndWhatItWritesBackReadsTheSame) {
    QTemporaryDir dir;
    QTemporaryDir profile;
    const auto sheets = interopWorkbook();
    const QString path = dir.filePath(QStringLiteral("Interop.xls"));
    spreadsheet::xls::writeXlsFile(path, {sheets[0].get(), sheets[1].get()}, 1);
    convertWithLibreOffice(path, QStringLiteral("fods"), dir.path(), profile);
    const auto calcCells = testing_support::readFlatOds(dir.filePath("Interop.fods")).cells;

    for (const auto& sheet : sheets) {
        SCOPED_TRACE(sheet->name().toStdString());
        const auto& cells = calcCells.at(sheet->name());
        int compared = 0;
        sheet->forEachCell([&](CellAddress cell, const CellValue& value) {
            const auto found = cells.find(cell.toA1());
            ASSERT_NE(found, cells.end()) << cell.toA1().toStdString();
            EXPECT_EQ(found->second.text, value.text()) << cell.toA1().toStdString();
            ++compared;
        });
        // And nothing more than what we wrote.
        EXPECT_EQ(std::count_if(cells.begin(), cells.end(),
                                [](const auto& cell) { return !cell.second.text.isEmpty(); }),
                  compared);
    }

    QDir(dir.path()).mkdir(QStringLiteral("calc"));
    convertWithLibreOffice(path, QStringLiteral("xls:MS Excel 97"),
                           dir.filePath(QStringLiteral("calc")), profile);
    const auto ours = spreadsheet::xls::readXlsFile(path);
    const auto calcs =
        spreadsheet::xls::readXlsFile(dir.filePath(QStringLiteral("calc/Interop.xls")));
    EXPECT_EQ(tools::dumpWorkbook(calcs), tools::dumpWorkbook(ours));
    EXPECT_EQ(calcs.activeSheet, 1);
}
