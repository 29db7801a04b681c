// The host's operations as the program uses them: workbooks and windows, sheets, the
// selection and the active cell, and the errors 9, 91 and 1004.
#include "support/TestHost.h"

#include <QStandardPaths>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using testing_support::errorNumberOf;
using testing_support::ScriptedFileChooser;
using testing_support::TestHost;

namespace {

// Each test runs on a host of its own with its folder as the default folder.
class Application : public testing::Test, protected TestHost {};

}  // namespace

TEST_F(Application, WorkbooksAreNamedActivatedByNameAndClosedBackToThePreviousOne) {
    const auto book = app.addWorkbook();
    EXPECT_EQ(book.name(), QStringLiteral("Sešit1"));
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Sešit1"));
    EXPECT_EQ(app.sheetCount(), 1);
    EXPECT_EQ(app.activeSheet().name(), QStringLiteral("List1"));
    EXPECT_EQ(app.activeCell().address(), QStringLiteral("$A$1"));
    EXPECT_EQ(app.addWorkbook().name(), QStringLiteral("Sešit2"));
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Sešit2"));
    // The host starts hidden and keeps the visibility it is given.
    EXPECT_FALSE(app.visible());
    app.setVisible(true);
    EXPECT_TRUE(app.visible());

    // Windows are activated by name, case ignored; a missing one is error 9 and changes nothing.
    app.addWorkbook();
    app.activateWindow(QStringLiteral("sešit1"));
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Sešit1"));
    EXPECT_EQ(errorNumberOf([&] { app.activateWindow(QStringLiteral("Vezar.xls")); }), 9);
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Sešit1"));
    // Closing the active workbook activates the one active before it.
    app.activateWindow(QStringLiteral("Sešit3"));
    app.activeWorkbook().close();
    EXPECT_EQ(app.activeWorkbook().name(), QStringLiteral("Sešit1"));
    EXPECT_EQ(app.workbookCount(), 2);
}

TEST_F(Application, TheSelectionItsActiveCellAndRangesRelativeToIt) {
    app.addWorkbook();
    app.range(QStringLiteral("B1:B500")).select();
    EXPECT_EQ(app.selection().address(), QStringLiteral("$B$1:$B$500"));
    EXPECT_EQ(app.activeCell().address(), QStringLiteral("$B$1"));
    EXPECT_EQ(app.activeCell().row(), 1);
    // Activating a cell inside the selection keeps the selection.
    app.range(QStringLiteral("B7")).activate();
    EXPECT_EQ(app.selection().address(), QStringLiteral("$B$1:$B$500"));
    EXPECT_EQ(app.activeCell().address(), QStringLiteral("$B$7"));
    // Activating one outside selects it alone.
    app.range(QStringLiteral("D2")).activate();
    EXPECT_EQ(app.selection().address(), QStringLiteral("$D$2"));

    // Offsets and relative ranges count from the active cell.
    app.range(QStringLiteral("B5")).select();
    EXPECT_EQ(app.activeCell().offset(0, 7).address(), QStringLiteral("$I$5"));
    EXPECT_EQ(app.activeCell().offset(-1, 0).address(), QStringLiteral("$B$4"));
    EXPECT_EQ(app.activeCell().offset(0, -1).address(), QStringLiteral("$A$5"));
    EXPECT_EQ(app.activeCell().range(QStringLiteral("A1")).address(), QStringLiteral("$B$5"));
    EXPECT_EQ(app.activeCell().range(QStringLiteral("A1:H1")).address(),
              QStringLiteral("$B$5:$I$5"));
    EXPECT_EQ(app.activeCell().range(QStringLiteral("F1")).address(), QStringLiteral("$G$5"));

    for (int c = 0; c < 10; ++c) {
        app.activeCell().offset(0, c).setValue(CellValue(QStringLiteral("t%1").arg(c)));
    }
    app.activeCell().range(QStringLiteral("A1:H1")).clearContents();
    EXPECT_TRUE(app.range(QStringLiteral("I5")).value().isEmpty());
    EXPECT_EQ(app.range(QStringLiteral("J5")).text(), QStringLiteral("t8"));
    EXPECT_EQ(app.range(QStringLiteral("A5")).text(), QString());

    app.range(QStringLiteral("A1")).select();
    EXPECT_EQ(errorNumberOf([&] { app.activeCell().offset(-1, 0); }), 1004);
    EXPECT_EQ(errorNumberOf([&] { app.activeCell().offset(0, -1); }), 1004);
    EXPECT_EQ(errorNumberOf([&] { app.range(QStringLiteral("IV1")).offset(0, 1); }), 1004);
    EXPECT_EQ(errorNumberOf([&] { app.range(QStringLiteral("B")); }), 1004);
}

TEST_F(Application, SheetsByIndexOrNameInWorkbookOrder) {
    app.addWorkbook();
    app.activeSheet().setName(QStringLiteral("G-C-F"));
    EXPECT_EQ(app.sheet(1).name(), QStringLiteral("G-C-F"));
    EXPECT_EQ(app.sheet(QStringLiteral("g-c-f")).index(), 1);
    EXPECT_FALSE(app.sheet(1).next());
    EXPECT_EQ(errorNumberOf([&] { app.sheet(1).next().select(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { app.sheet(2); }), 9);
    EXPECT_EQ(errorNumberOf([&] { app.sheet(0); }), 9);
    EXPECT_EQ(errorNumberOf([&] { app.sheet(QStringLiteral("A-D-G")); }), 9);

    // Sheet names follow the spreadsheet's rules.
    const auto sheet = app.activeSheet();
    EXPECT_EQ(errorNumberOf([&] { sheet.setName(QString(32, u'x')); }), 1004);
    for (const char* bad : {"a[b", "a]b", "a:b", "a*b", "a?b", "a/b", "a\\b", "'ab", ""}) {
        EXPECT_EQ(errorNumberOf([&] { sheet.setName(QString::fromLatin1(bad)); }), 1004) << bad;
    }
    sheet.setName(QString(31, u'x'));
    sheet.setName(QStringLiteral("Club C-F Nedokončeno"));
    EXPECT_EQ(sheet.name(), QStringLiteral("Club C-F Nedokončeno"));
    // Renaming a sheet to its own name in other letters is allowed.
    sheet.setName(QStringLiteral("club c-f nedokončeno"));
    EXPECT_EQ(sheet.name(), QStringLiteral("club c-f nedokončeno"));
}

TEST_F(Application, CellsOfAnInactiveSheetCanBeReadButNotSelected) {
    app.addWorkbook();
    const auto other = app.sheet(1);
    other.range(QStringLiteral("B4")).setValue(CellValue(QStringLiteral("c1,")));
    app.addWorkbook();
    EXPECT_EQ(other.range(QStringLiteral("$B$4")).text(), QStringLiteral("c1,"));
    EXPECT_EQ(errorNumberOf([&] { other.range(QStringLiteral("B4")).select(); }), 1004);
    EXPECT_EQ(errorNumberOf([&] { other.select(); }), 1004);
    app.activateWindow(QStringLiteral("Sešit1"));
    other.range(QStringLiteral("B4")).select();
    EXPECT_EQ(app.activeCell().text(), QStringLiteral("c1,"));
}

TEST_F(Application, HandlesOfAClosedWorkbookAndEveryCallAfterQuitFailWith91) {
    const auto book = app.addWorkbook();
    const auto cell = app.range(QStringLiteral("B2"));
    const auto sheet = app.activeSheet();
    book.close();
    EXPECT_EQ(errorNumberOf([&] { cell.value(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { sheet.name(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { book.save(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { app.activeWorkbook(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { app.activeCell(); }), 91);

    // After quitting every call fails with 91.
    app.addWorkbook();
    const auto other = app.range(QStringLiteral("A1"));
    app.quit();
    EXPECT_FALSE(app.isRunning());
    EXPECT_EQ(errorNumberOf([&] { app.activateWindow(QStringLiteral("Sešit1")); }), 91);
    EXPECT_EQ(errorNumberOf([&] { app.setVisible(true); }), 91);
    // Shutdown restores the default folder after quitting.
    app.setDefaultFilePath(QStringLiteral("/home/hrac"));
    EXPECT_EQ(app.defaultFilePath(), QStringLiteral("/home/hrac"));
    EXPECT_EQ(errorNumberOf([&] { app.quit(); }), 91);
    EXPECT_EQ(errorNumberOf([&] { other.setValue(CellValue("x")); }), 91);
}

TEST_F(Application, TheDefaultFolderIsRememberedAndTheChooserStartsThere) {
    const QString ini = path(QStringLiteral("other.ini"));
    {
        spreadsheet::Application first{spreadsheet::HostSettings(ini)};
        first.setDefaultFilePath(QStringLiteral("/home/hrac/Dokumenty/Knoflovka"));
        first.quit();
    }
    spreadsheet::Application second{spreadsheet::HostSettings(ini)};
    EXPECT_EQ(second.defaultFilePath(), QStringLiteral("/home/hrac/Dokumenty/Knoflovka"));

    // GetOpenFilename asks the chooser, starting in the default folder.
    // Without a chooser there is no one to ask: an error, not a cancel.
    EXPECT_EQ(errorNumberOf([&] {
                  app.getOpenFilename(QStringLiteral("Excel Files,*.xls"), QStringLiteral("x"));
              }),
              1004);
    ScriptedFileChooser chooser;
    app.setFileChooser(&chooser);
    chooser.answers = {path(QStringLiteral("Polka.xls")), std::nullopt};
    const QString title = QStringLiteral("Vyberte písničku, kterou chcete zkoušet !");
    EXPECT_EQ(app.getOpenFilename(QStringLiteral("Excel Files,*.xls"), title),
              path(QStringLiteral("Polka.xls")));
    EXPECT_EQ(app.getOpenFilename(QStringLiteral("Excel Files,*.xls"), title), std::nullopt);
    ASSERT_EQ(chooser.asked.size(), 2u);
    EXPECT_EQ(chooser.asked[0].title, title);
    EXPECT_EQ(chooser.asked[0].startFolder, dir.path());
    EXPECT_EQ(chooser.asked[0].filterName, QStringLiteral("Excel Files"));
    EXPECT_EQ(chooser.asked[0].patterns, QStringLiteral("*.xls"));
}

TEST_F(Application, AHostKeptInMemoryNeitherReadsNorChangesThePlayersDefaultFolder) {
    QStandardPaths::setTestModeEnabled(true);
    spreadsheet::HostSettings players;
    const QString playersFolder = players.defaultFilePath();
    players.setDefaultFilePath(QStringLiteral("/home/hrac/Písně"));
    const spreadsheet::HostSettings scratch = spreadsheet::HostSettings::inMemory();
    {
        spreadsheet::Application first{scratch};
        EXPECT_EQ(first.defaultFilePath(),
                  QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        first.setDefaultFilePath(dir.path());
        first.quit();
    }
    // The run's next host finds what its first one set, as with a settings file.
    spreadsheet::Application second{scratch};
    EXPECT_EQ(second.defaultFilePath(), dir.path());
    EXPECT_EQ(players.defaultFilePath(), QStringLiteral("/home/hrac/Písně"));
    players.setDefaultFilePath(playersFolder);
    QStandardPaths::setTestModeEnabled(false);
}
