// Workbooks we write open in LibreOffice Calc with the same cells; what Calc writes back as
// .xls reads in again with the same cells, active sheet and cursors.
#include "support/LibreOffice.h"
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellAddress;
using spreadsheet::CellRect;
using spreadsheet::CellValue;
using spreadsheet::Sheet;
using testing_support::convertWithLibreOffice;

namespace {

// RFC 4180 records: quoted fields may hold commas, quotes and line breaks.
std::vector<QStringList> parseCsv(const QString& text) {
    std::vector<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row << field;
            field.clear();
        } else if (c == u'\n') {
            row << field;
            rows.push_back(row);
            row.clear();
            field.clear();
        } else if (c != u'\r') {
            field += c;
        }
    }
    return rows;
}

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
    convertWithLibreOffice(
        path,
        QStringLiteral(
            "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false,-1"),
        dir.path(), profile);

    for (const auto& sheet : sheets) {
        SCOPED_TRACE(sheet->name().toStdString());
        const QString csvPath = dir.filePath(QStringLiteral("Interop-%1.csv").arg(sheet->name()));
        const auto rows = parseCsv(QString::fromUtf8(testing_support::readBytes(csvPath)));
        int compared = 0;
        sheet->forEachCell([&](CellAddress cell, const CellValue& value) {
            const auto r = static_cast<size_t>(cell.row - 1);
            const auto c = cell.column - 1;
            ASSERT_LT(r, rows.size()) << cell.toA1().toStdString();
            ASSERT_LT(c, rows[r].size()) << cell.toA1().toStdString();
            EXPECT_EQ(rows[r][c], value.text()) << cell.toA1().toStdString();
            ++compared;
        });
        // And nothing more than what we wrote.
        int nonEmpty = 0;
        for (const auto& row : rows) {
            for (const auto& field : row) {
                nonEmpty += !field.isEmpty();
            }
        }
        EXPECT_EQ(nonEmpty, compared);
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
