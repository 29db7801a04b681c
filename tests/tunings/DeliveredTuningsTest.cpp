// Tunings a newer program delivers reach a player's own copy of the database once; one he
// deleted or renamed stays as he left it.
#include "support/TestFiles.h"

#include "services/ProgramSettings.h"
#include "spreadsheet/xls/XlsFile.h"
#include "tunings/DeliveredTunings.h"
#include "tunings/TuningDatabase.h"
#include "tunings/UserTuningDatabase.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using spreadsheet::WorkbookData;

namespace {

const QString delivered = QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls");

QStringList namesIn(const QString& path) {
    QStringList names;
    for (const auto& sheet : spreadsheet::xls::readXlsFile(path).sheets) {
        names << sheet->name();
    }
    return names;
}

class DeliveredTunings : public testing::Test {
protected:
    // The copy an earlier version made: without "G-C", with "G-C-F" written in other case,
    // "B-Es-As" current, and a tuning of the player's own.
    void SetUp() override {
        WorkbookData data = spreadsheet::xls::readXlsFile(delivered);
        std::erase_if(data.sheets, [](const auto& sheet) { return sheet->name() == "G-C"; });
        data.sheets[0]->setNameUnchecked("g-c-f");
        data.sheets.push_back(testing_support::sheetWith("Moje", {{"B2", CellValue("c1,")}}));
        data.activeSheet = 2;
        spreadsheet::xls::writeXlsFile(copy, data);
    }

    QTemporaryDir folder;
    QString copy = folder.filePath("Vezar.xls");
};

}  // namespace

TEST_F(DeliveredTunings, AreAppendedOnceAndRememberedWithTheOnesAlreadyThere) {
    QStringList known;
    EXPECT_EQ(tunings::addDeliveredTunings(copy, delivered, known), QStringList{"G-C"});
    const WorkbookData updated = spreadsheet::xls::readXlsFile(copy);
    EXPECT_EQ(namesIn(copy), (QStringList{"g-c-f", "A-D-G", "B-Es-As", "C-F-B", "F-B-Es", "C-F",
                                          "Club C-F", "Moje", "G-C"}));
    EXPECT_EQ(updated.activeSheet, 2);
    EXPECT_EQ(updated.sheets.back()->value({4, 2}).text(), "c3,");
    EXPECT_EQ(known, namesIn(delivered));

    const QByteArray before = testing_support::readBytes(copy);
    EXPECT_EQ(tunings::addDeliveredTunings(copy, delivered, known), QStringList());
    EXPECT_EQ(testing_support::readBytes(copy), before);
}

TEST_F(DeliveredTunings, OneThePlayerDeletedOrRenamedStaysAway) {
    QStringList known{"G-C", "Club C-F"};
    tunings::TuningDatabase database(copy);
    ASSERT_EQ(database.rename("Club C-F", "Můj Club", QString()), QString());
    const QByteArray before = testing_support::readBytes(copy);

    EXPECT_EQ(tunings::addDeliveredTunings(copy, delivered, known), QStringList());

    EXPECT_EQ(testing_support::readBytes(copy), before);
    EXPECT_EQ(known.size(), namesIn(delivered).size());
}

// The start of the installed program: what was added is kept in the settings, so a tuning
// deleted after it was added is not added again at the next start.
TEST_F(DeliveredTunings, TheStartRemembersThemInTheSettings) {
    services::ProgramSettings settings(folder.filePath("settings.ini"));
    tunings::bringUpToDate(copy, delivered, settings);
    EXPECT_EQ(namesIn(copy).last(), "G-C");
    EXPECT_EQ(settings.list(services::ProgramSettings::DodanaLadeni), namesIn(delivered));

    tunings::TuningDatabase database(copy);
    ASSERT_EQ(database.remove("G-C", QString()), QString());
    services::ProgramSettings later(folder.filePath("settings.ini"));
    tunings::bringUpToDate(copy, delivered, later);
    EXPECT_FALSE(namesIn(copy).contains("G-C"));

    // A copy that cannot be read is left for the start to report.
    testing_support::writeBytes(copy, "not a workbook");
    tunings::bringUpToDate(copy, delivered, later);
    EXPECT_EQ(testing_support::readBytes(copy), "not a workbook");
}
