// A player's own copy of the tuning database, made by an earlier version, gets the tones
// corrected since, and keeps everything he changed himself.
#include "support/TestFiles.h"

#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tones/TuningCorrections.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellAddress;
using spreadsheet::CellValue;
using spreadsheet::Sheet;
using spreadsheet::WorkbookData;
using testing_support::sheetNamed;

namespace {

const QString shippedPath = testing_support::DeliveredDatabase;

// The Club C-F cells an earlier version shipped: B5, B6, B8 push, C10 pull.
const std::pair<CellAddress, const char*> oldClubCells[] = {
    {{5, 2}, "fis3,"}, {{6, 2}, "d3,"}, {{8, 2}, "fis2,"}, {{10, 3}, "cis2,"}};

QStringList cellsOf(const Sheet& sheet) {
    QStringList cells;
    sheet.forEachCell([&cells](CellAddress cell, const CellValue& value) {
        cells << cell.toA1() + u'=' + value.text();
    });
    return cells;
}

void save(const WorkbookData& data, const QString& path) {
    spreadsheet::xls::writeXlsFile(path, data);
}

// The shipped database as an earlier version shipped it, with the player's "Club C-F" chosen
// and a sheet of his own that happens to hold one of the old texts in the same cell.
WorkbookData oldUserCopy() {
    WorkbookData data = spreadsheet::xls::readXlsFile(shippedPath);
    for (const auto& [cell, text] : oldClubCells) {
        sheetNamed(data, "Club C-F").setValue(cell, CellValue(text));
    }
    data.sheets.push_back(
        testing_support::sheetWith("Moje", {{"A5", CellValue::number(4)}, {"B5", "fis3,"}}));
    data.activeSheet = 7;
    return data;
}

class TuningCorrections : public testing::Test {
protected:
    QTemporaryDir folder;
    QString copy = folder.filePath("Vezar.xls");
};

}  // namespace

TEST_F(TuningCorrections, AnOldCopyGetsTheCorrectedTonesAndKeepsEverythingElse) {
    save(oldUserCopy(), copy);

    EXPECT_TRUE(tones::correctTuningDatabase(copy));

    const WorkbookData shipped = spreadsheet::xls::readXlsFile(shippedPath);
    const WorkbookData corrected = spreadsheet::xls::readXlsFile(copy);
    ASSERT_EQ(corrected.sheets.size(), shipped.sheets.size() + 1);
    for (std::size_t i = 0; i < shipped.sheets.size(); ++i) {
        SCOPED_TRACE(shipped.sheets[i]->name().toStdString());
        EXPECT_EQ(corrected.sheets[i]->name(), shipped.sheets[i]->name());
        EXPECT_EQ(cellsOf(*corrected.sheets[i]), cellsOf(*shipped.sheets[i]));
    }
    EXPECT_EQ(cellsOf(*corrected.sheets.back()), (QStringList{"A5=4", "B5=fis3,"}));
    EXPECT_EQ(corrected.activeSheet, 7);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Vezar.xls"});
}

TEST_F(TuningCorrections, ACellThePlayerChangedKeepsHisTone) {
    WorkbookData data = oldUserCopy();
    Sheet& club = sheetNamed(data, "Club C-F");
    club.setValue({5, 2}, CellValue("g2,"));
    // He also moved button 9 one row down: its pull is corrected where its number stands.
    club.setValue({10, 1}, CellValue());
    club.setValue({10, 3}, CellValue());
    club.setValue({11, 1}, CellValue::number(9));
    club.setValue({11, 3}, CellValue("cis2,"));
    save(data, copy);

    EXPECT_TRUE(tones::correctTuningDatabase(copy));

    const WorkbookData saved = spreadsheet::xls::readXlsFile(copy);
    const Sheet& corrected = sheetNamed(saved, "Club C-F");
    EXPECT_EQ(corrected.value({5, 2}).text(), "g2,");
    EXPECT_EQ(corrected.value({6, 2}).text(), "d2,");
    EXPECT_EQ(corrected.value({8, 2}).text(), "fis1,");
    EXPECT_EQ(corrected.value({11, 3}).text(), "cis1,");
}

TEST_F(TuningCorrections, ACopyAlreadyCorrectIsLeftByteForByte) {
    ASSERT_TRUE(QFile::copy(shippedPath, copy));
    const QByteArray before = testing_support::readBytes(copy);
    // Rewriting the same cells could give the same bytes: the file's time tells a save apart.
    const QDateTime longAgo(QDate(2020, 1, 1), QTime(12, 0), Qt::UTC);
    {
        QFile file(copy);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(longAgo, QFileDevice::FileModificationTime));
    }

    EXPECT_FALSE(tones::correctTuningDatabase(copy));

    EXPECT_EQ(testing_support::readBytes(copy), before);
    EXPECT_EQ(QFileInfo(copy).lastModified(), longAgo);
}

TEST_F(TuningCorrections, AnUnreadableCopyIsReportedNotReplaced) {
    testing_support::writeBytes(copy, "not a workbook");

    EXPECT_THROW(tones::correctTuningDatabase(copy), spreadsheet::SpreadsheetError);

    EXPECT_EQ(testing_support::readBytes(copy), "not a workbook");
}
