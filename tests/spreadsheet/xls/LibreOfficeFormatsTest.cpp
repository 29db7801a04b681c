// A song dressed up in LibreOffice (tests/data/lo-formatted.fods: a merged title, a wide
// column, a bold red syllable, a date, a "0.00" number, formulas, a defined name, a hidden
// sheet, print settings) keeps all of it once cells are written and the song is saved: xlrd
// reads the same formats, widths and merges, and LibreOffice reads the cells, the formulas'
// values, the merge, the hidden sheet and the page settings.
#include "support/LibreOffice.h"
#include "support/TestFiles.h"
#include "support/TestHost.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using namespace testing_support;

namespace {

const QString dataDir = QStringLiteral(MECHIK_TEST_DATA);

// Opens a copy of the fixture, writes what a player's grip and a formula overwrite would
// write, and saves it over the copy.
QString editedCopy(TestHost& host, const QString& fixture) {
    const QString path = host.path(QStringLiteral("Škoda lásky.xls"));
    EXPECT_TRUE(QFile::copy(dataDir + u'/' + fixture, path));
    const auto song = host.app.openWorkbook(path);
    const auto sheet = song.sheet(QStringLiteral("G-C-F"));
    sheet.range(QStringLiteral("A2")).setValue(CellValue(QStringLiteral("Lás-")));
    sheet.range(QStringLiteral("K4")).setValue(CellValue::number(7));
    sheet.range(QStringLiteral("B5")).setValue(CellValue(QStringLiteral("c1,")));
    song.save();
    song.close();
    return path;
}

// The description of the original with the three cells of the first sheet as written: the
// same formats.
QString expectedAfterEdit(QString description) {
    const auto replaceCell = [&description](const QString& cell, const QString& value) {
        const QRegularExpression line(QStringLiteral("  cell %1 \\d+ ('[^']*'|[^ ]+) ").arg(cell));
        const auto match = line.match(description);
        ASSERT_TRUE(match.hasMatch()) << cell.toStdString();
        description.replace(match.capturedStart(), match.capturedLength(),
                            QStringLiteral("  cell %1 %2 ").arg(cell, value));
    };
    replaceCell(QStringLiteral("A2"), QStringLiteral("1 'Lás-'"));
    replaceCell(QStringLiteral("K4"), QStringLiteral("2 7.0"));
    replaceCell(QStringLiteral("B5"), QStringLiteral("1 'c1,'"));
    return description;
}

}  // namespace

TEST(LibreOfficeFormats, XlrdReadsTheSameFormatsWidthsMergesAndNamesAfterASave) {
    TestHost host;
    const QString original = describeWithXlrd(dataDir + QStringLiteral("/lo-formatted.xls"));
    ASSERT_TRUE(original.contains(QStringLiteral("  merged A1:I1"))) << original.toStdString();
    ASSERT_TRUE(original.contains(QStringLiteral("sheet Poznámky visibility=1")));
    ASSERT_TRUE(original.contains(QStringLiteral("name Tempo scope=-1 hidden=0 G-C-F!$K$3")));
    const QString saved = describeWithXlrd(editedCopy(host, QStringLiteral("lo-formatted.xls")));
    expectSameLines(expectedAfterEdit(original), saved);
}

// Excel 5 files are saved as Excel 97: the formats, widths, heights, rich text and hidden
// sheets come along; the defined names and formulas, whose tokens differ, do not (formulas
// keep their results as values).
TEST(LibreOfficeFormats, AnExcel5SongIsSavedAsExcel97WithItsFormats) {
    TestHost host;
    QString original = describeWithXlrd(dataDir + QStringLiteral("/lo-formatted-biff5.xls"));
    ASSERT_TRUE(original.contains(QStringLiteral("  rich A3 ")));
    original.remove(QRegularExpression(QStringLiteral("name [^\\n]*\\n")));
    const QString saved =
        describeWithXlrd(editedCopy(host, QStringLiteral("lo-formatted-biff5.xls")));
    expectSameLines(expectedAfterEdit(original), saved);
}

TEST(LibreOfficeFormats, CalcReadsTheCellsFormulasMergeHiddenSheetAndPageSettings) {
    TestHost host;
    QTemporaryDir profile;
    const QString path = editedCopy(host, QStringLiteral("lo-formatted.xls"));
    convertWithLibreOffice(path, QStringLiteral("fods"), host.dir.path(), profile);
    const OdsDocument doc = readFlatOds(host.path(QStringLiteral("Škoda lásky.fods")));

    const auto& song = doc.cells.at(QStringLiteral("G-C-F"));
    const std::pair<const char*, const char*> texts[] = {
        {"A1", "Škoda lásky"}, {"A2", "Lás-"}, {"A3", "da lás-"}, {"B5", "c1,"},
        {"K2", "15.3.2024"},   {"K3", "1.50"}, {"K5", "Ladění"}};
    for (const auto& [cell, text] : texts) {
        EXPECT_EQ(song.at(cell).text, QString::fromUtf8(text)) << cell;
    }
    EXPECT_EQ(song.at(QStringLiteral("A1")).spannedColumns, 9);
    // The formula Mechík wrote over is a plain value; the other formulas remain.
    EXPECT_TRUE(song.at(QStringLiteral("K4")).formula.isEmpty());
    EXPECT_EQ(song.at(QStringLiteral("K4")).value, QStringLiteral("7"));
    EXPECT_EQ(song.at(QStringLiteral("K5")).formula,
              QStringLiteral("of:=CONCATENATE(\"Lad\";\"ění\")"));

    EXPECT_TRUE(doc.hidden(QStringLiteral("Poznámky")));
    EXPECT_FALSE(doc.hidden(QStringLiteral("Akordy")));
    EXPECT_FALSE(doc.hidden(QStringLiteral("G-C-F")));
    EXPECT_EQ(doc.cells.at(QStringLiteral("Poznámky")).at(QStringLiteral("A1")).text,
              QStringLiteral("Hrát pomalu, druhá sloka tišeji."));
    const QString page = doc.masterPage(QStringLiteral("G-C-F"));
    EXPECT_EQ(doc.orientations.at(doc.pageLayouts.at(page)), QStringLiteral("landscape"));
    EXPECT_TRUE(doc.headers.at(page).contains(QStringLiteral("Zpěvník heligonkáře")))
        << doc.headers.at(page).toStdString();
}
