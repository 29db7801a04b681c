// Workbooks on disk through the host: Open, SaveAs, Save and what a reopened song keeps.
#include "support/FilePermissions.h"
#include "support/TestFiles.h"
#include "support/TestHost.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using testing_support::errorNumberOf;
using testing_support::errorTextOf;
using testing_support::readBytes;
using testing_support::TestHost;

namespace {

// Each test runs on a host of its own with its folder as the default folder.
class WorkbookFile : public testing::Test {
protected:
    TestHost host;
    spreadsheet::Application& app = host.app;
};

}  // namespace

TEST_F(WorkbookFile, ANameAloneIsSavedToTheDefaultFolderAsXls) {
    const auto book = app.addWorkbook();
    book.saveAs(QStringLiteral("Polka G-C-F"));
    EXPECT_EQ(book.name(), QStringLiteral("Polka G-C-F.xls"));
    EXPECT_EQ(book.fullName(), host.path(QStringLiteral("Polka G-C-F.xls")));
    EXPECT_TRUE(QFileInfo::exists(host.path(QStringLiteral("Polka G-C-F.xls"))));
    app.activateWindow(QStringLiteral("Polka G-C-F.xls"));
    // Save of a workbook never saved uses its name.
    const auto unsaved = app.addWorkbook();
    unsaved.save();
    EXPECT_EQ(unsaved.fullName(), host.path(QStringLiteral("Sešit2.xls")));
}

TEST_F(WorkbookFile, ASongReopensOnItsSheetAndGrip) {
    const QString path = host.path(QStringLiteral("Polka.xls"));
    {
        const auto book = app.addWorkbook();
        app.activeSheet().setName(QStringLiteral("C-F-B"));
        app.range(QStringLiteral("A1")).setValue(CellValue(QStringLiteral("Šla")));
        app.range(QStringLiteral("B1")).setValue(CellValue(QStringLiteral("cis1,")));
        app.range(QStringLiteral("I1")).setValue(CellValue(QStringLiteral("Tlak")));
        app.range(QStringLiteral("B7")).select();
        book.saveAs(path);
        book.close();
    }
    const auto book = app.openWorkbook(path);
    EXPECT_EQ(book.name(), QStringLiteral("Polka.xls"));
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Polka.xls"));
    EXPECT_EQ(app.activeSheet().name(), QStringLiteral("C-F-B"));
    EXPECT_EQ(app.activeCell().address(), QStringLiteral("$B$7"));
    EXPECT_EQ(app.range(QStringLiteral("A1")).text(), QStringLiteral("Šla"));
    EXPECT_EQ(app.range(QStringLiteral("B1")).text(), QStringLiteral("cis1,"));
}

TEST_F(WorkbookFile, SavingKeepsTheActiveSheetAndEachSheetsCursor) {
    const auto book = app.openWorkbook(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"));
    app.sheet(3).select();
    app.range(QStringLiteral("C9")).select();
    app.sheet(5).select();
    app.range(QStringLiteral("A1:A43")).select();
    app.range(QStringLiteral("A12")).activate();
    book.saveAs(host.path(QStringLiteral("Vezar kopie.xls")));
    book.close();

    app.openWorkbook(host.path(QStringLiteral("Vezar kopie")));
    EXPECT_EQ(app.activeSheet().index(), 5);
    EXPECT_EQ(app.selection().address(), QStringLiteral("$A$1:$A$43"));
    EXPECT_EQ(app.activeCell().address(), QStringLiteral("$A$12"));
    app.sheet(3).select();
    EXPECT_EQ(app.activeCell().address(), QStringLiteral("$C$9"));
}

TEST_F(WorkbookFile, OpeningAnOpenFileActivatesItAnotherOfItsNameIsRefused) {
    app.addWorkbook().saveAs(QStringLiteral("Valčík"));
    app.addWorkbook();
    app.openWorkbook(host.path(QStringLiteral("Valčík.xls")));
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Valčík.xls"));
    EXPECT_EQ(app.workbookCount(), 2);

    // Two workbooks of one name cannot be open together.
    QDir(host.dir.path()).mkdir(QStringLiteral("jinde"));
    app.addWorkbook().saveAs(host.path(QStringLiteral("jinde/Polka.xls")));
    app.activeWorkbook().close();
    app.addWorkbook().saveAs(QStringLiteral("Polka"));
    EXPECT_EQ(
        errorNumberOf([&] { app.openWorkbook(host.path(QStringLiteral("jinde/Polka.xls"))); }),
        1004);
    EXPECT_EQ(app.workbookCount(), 3);
    app.addWorkbook();
    EXPECT_EQ(errorNumberOf([&] { app.activeWorkbook().saveAs(QStringLiteral("jinde/POLKA")); }),
              1004);
    EXPECT_FALSE(QFileInfo::exists(host.path(QStringLiteral("jinde/POLKA.xls"))));
}

// A password, another format or a folder that cannot hold the file: error 1004, nothing written.
TEST_F(WorkbookFile, OnlyAPlainWorkbookWithoutPasswordsIsWrittenWhereAFolderCanHoldIt) {
    const auto book = app.addWorkbook();
    spreadsheet::SaveAsOptions withPassword;
    withPassword.password = QStringLiteral("tajne");
    spreadsheet::SaveAsOptions otherFormat;
    otherFormat.fileFormat = 51;
    const std::pair<QString, spreadsheet::SaveAsOptions> refused[] = {
        {QStringLiteral("A"), withPassword},
        {QStringLiteral("A"), otherFormat},
        {host.path(QStringLiteral("neexistuje/Polka.xls")), {}}};
    for (const auto& [name, options] : refused) {
        EXPECT_EQ(errorNumberOf([&] { book.saveAs(name, options); }), 1004) << name.toStdString();
    }
    EXPECT_EQ(book.name(), QStringLiteral("Sešit1"));
    EXPECT_FALSE(QFileInfo::exists(host.path(QStringLiteral("A.xls"))));
    book.saveAs(QStringLiteral("A"), spreadsheet::SaveAsOptions{});
    EXPECT_TRUE(QFileInfo::exists(host.path(QStringLiteral("A.xls"))));
}

#ifndef _WIN32
// A write that fails half-way (the disk full) must not touch the song on disk. A file-size
// limit makes every write past 1 KiB fail, for root as for anyone.
TEST_F(WorkbookFile, AFailedSaveLeavesTheFileOnDiskAsItWasAndSaysWhy) {
    const auto book = app.addWorkbook();
    app.range(QStringLiteral("B1")).setValue(CellValue(QStringLiteral("c1,")));
    book.saveAs(QStringLiteral("Polka"));
    const QString path = host.path(QStringLiteral("Polka.xls"));
    const QByteArray before = readBytes(path);
    app.range(QStringLiteral("B1")).setValue(CellValue(QStringLiteral("d1,")));

    QString message;
    testing_support::withFullDisk([&] { message = errorTextOf([&] { book.save(); }); });

    EXPECT_TRUE(message.startsWith(QStringLiteral("Soubor ") + QDir::toNativeSeparators(path) +
                                   QStringLiteral(" nelze uložit:")))
        << message.toStdString();
    EXPECT_EQ(readBytes(path), before);
    EXPECT_EQ(app.range(QStringLiteral("B1")).text(), QStringLiteral("d1,"));
    QStringList files = QDir(host.dir.path()).entryList(QDir::Files);
    files.sort();
    EXPECT_EQ(files, (QStringList{QStringLiteral("Polka.xls"), QStringLiteral("host.ini")}));
    book.save();
    EXPECT_NE(readBytes(path), before);
}

TEST_F(WorkbookFile, AReadOnlyFolderIsError1004) {
    const auto book = app.addWorkbook();
    QDir(host.dir.path()).mkdir(QStringLiteral("ro"));
    QFile::setPermissions(host.path(QStringLiteral("ro")),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    {
        const testing_support::ObeyFilePermissions asAPlayer;
        EXPECT_EQ(errorNumberOf([&] { book.saveAs(host.path(QStringLiteral("ro/Polka.xls"))); }),
                  1004);
    }
    QFile::setPermissions(host.path(QStringLiteral("ro")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

#endif

TEST_F(WorkbookFile, AMissingOrForeignFileIs1004AndAFileWithoutExtensionOpens) {
    app.addWorkbook();
    const QString missing = host.path(QStringLiteral("Nic.xls"));
    EXPECT_EQ(errorTextOf([&] { app.openWorkbook(missing); }),
              QStringLiteral("Soubor ") + QDir::toNativeSeparators(missing) +
                  QStringLiteral(" nelze otevřít: soubor neexistuje."));
    testing_support::writeBytes(host.path(QStringLiteral("Text.xls")), "Šla panenka");
    EXPECT_EQ(errorNumberOf([&] { app.openWorkbook(QStringLiteral("Text.xls")); }), 1004);
    EXPECT_EQ(app.workbookCount(), 1);
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Sešit1"));
    // A file without extension opens under its own name.
    app.addWorkbook().saveAs(QStringLiteral("Polka"));
    app.activeWorkbook().close();
    QFile::rename(host.path(QStringLiteral("Polka.xls")), host.path(QStringLiteral("Polka")));
    EXPECT_EQ(app.openWorkbook(host.path(QStringLiteral("Polka"))).name(), QStringLiteral("Polka"));
}

// A workbook is rewritten only when what it holds changed: a colleague's workbook, opened and
// saved without a change, keeps every byte our writer would not reproduce.
TEST_F(WorkbookFile, SaveWritesOnlyWhenTheContentChanged) {
    const QString path = host.path(QStringLiteral("Rozpis.xls"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-basic.xls"), path));
    const QByteArray original = readBytes(path);
    const auto book = app.openWorkbook(path);
    app.range(QStringLiteral("A1:C3")).select();  // the cursor only
    app.range(QStringLiteral("A1")).setValue(app.range(QStringLiteral("A1")).value());  // the same
    app.range(QStringLiteral("Z99")).clearContents();  // nothing to clear
    EXPECT_FALSE(book.hasUnsavedChanges());
    book.save();
    EXPECT_EQ(readBytes(path), original);

    app.range(QStringLiteral("B2")).setValue(CellValue(QStringLiteral("d1,")));
    EXPECT_TRUE(book.hasUnsavedChanges());
    book.save();
    EXPECT_FALSE(book.hasUnsavedChanges());
    const QByteArray rewritten = readBytes(path);
    EXPECT_NE(rewritten, original);

    // Once rewritten here, the file follows the cursor too.
    app.range(QStringLiteral("C9")).select();
    book.save();
    EXPECT_NE(readBytes(path), rewritten);
    book.close();
    app.openWorkbook(path);
    EXPECT_EQ(app.activeCell().address(), QStringLiteral("$C$9"));
}

TEST_F(WorkbookFile, ARenamedOrAnotherActiveSheetIsAChange) {
    const QString path = host.path(QStringLiteral("Rozpis.xls"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-basic.xls"), path));
    const auto book = app.openWorkbook(path);
    app.sheet(1).select();
    EXPECT_TRUE(book.hasUnsavedChanges());
    app.sheet(2).select();
    EXPECT_FALSE(book.hasUnsavedChanges());  // back to the sheet the file has active
    app.activeSheet().setName(app.activeSheet().name());
    EXPECT_FALSE(book.hasUnsavedChanges());
    app.activeSheet().setName(QStringLiteral("Jiný název"));
    EXPECT_TRUE(book.hasUnsavedChanges());
}
