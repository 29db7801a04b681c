// The host's window: shown while the host is Visible, a tab per workbook and sheet, the cursor
// following the program, edits and clicks going back into the host, and the host telling its
// observers what changed.
#include "app/WindowChecks.h"

#include "spreadsheet/Sheet.h"
#include "views/SheetWindow.h"

#include <QLineEdit>
#include <QTabBar>
#include <QTableView>

#include <memory>
#include <utility>

using spreadsheet::CellValue;
using testing_support::TestHost;
using window_checks::texts;

namespace {

// Lets the window catch up with the host, as the event loop does between the player's actions.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

void clickTab(QTabWidget* tabs, const QString& text) {
    const int index = texts(tabs).indexOf(text);
    ASSERT_GE(index, 0) << text.toStdString();
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(index).center());
}

void clickCell(QTableView* view, int row, int column, Qt::KeyboardModifiers modifiers = {}) {
    const QModelIndex index = view->model()->index(row, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                      view->visualRect(index).center());
}

class SheetWindowTest : public ::testing::Test {
protected:
    TestHost testHost;
    spreadsheet::Application& host = testHost.app;
    std::unique_ptr<views::SheetWindow> window;

    // "Vezar.xls" with the sheets G-C-F, "Píseň s háčky" (active, cursor C7), Prázdný and
    // Čísla; then the song "Polka.xls", active, one sheet List1.
    void openTuningAndSong() {
        const QString vezar = testHost.path(QStringLiteral("Vezar.xls"));
        ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-basic.xls"), vezar));
        QFile::setPermissions(vezar, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        host.openWorkbook(QStringLiteral("Vezar.xls"));
        host.addWorkbook().saveAs(QStringLiteral("Polka"));
    }
    void showWindow() {
        window = std::make_unique<views::SheetWindow>(host);
        host.setVisible(true);
        settle();
    }
    QTabWidget* sheetTabs(const QString& workbook) const {
        const int index = texts(window->workbookTabs()).indexOf(workbook);
        return index < 0 ? nullptr
                         : qobject_cast<QTabWidget*>(window->workbookTabs()->widget(index));
    }
    QTableView* view(const QString& workbook, const QString& sheet) const {
        QTableView* found = window->sheetView(workbook, sheet);
        EXPECT_TRUE(found) << workbook.toStdString() << " / " << sheet.toStdString();
        return found;
    }
    QString hostCursor() const {
        return host.activeWorkbook().name() + u'!' + host.activeSheet().name() + u'!' +
               host.activeCell().address();
    }
};

}  // namespace

TEST_F(SheetWindowTest, ShownWhileTheHostIsVisibleAndTheCloseBoxOnlyMakesItInvisible) {
    openTuningAndSong();
    window = std::make_unique<views::SheetWindow>(host);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Tabulka – Knoflovka"));
    EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
    host.setVisible(true);
    EXPECT_TRUE(window->isVisible());
    host.setVisible(false);
    EXPECT_FALSE(window->isVisible());
    host.setVisible(true);
    EXPECT_TRUE(window->isVisible());

    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(host.visible());
    EXPECT_EQ(host.workbookCount(), 2);
    EXPECT_EQ(window->workbookTabs()->count(), 2);
    window->bringToFront();  // the menu item "Tabulka"
    EXPECT_TRUE(host.visible());
    EXPECT_TRUE(window->isVisible());

    // Made after the host became visible, as the main window makes it after start-up.
    views::SheetWindow late(host);
    EXPECT_TRUE(late.isVisible());
    EXPECT_EQ(texts(late.workbookTabs()), (QStringList{"Vezar.xls", "Polka.xls"}));

    // A closed workbook or a quit host leaves nothing to crash on.
    QAbstractItemModel* stale = view("Polka.xls", "List1")->model();
    host.workbook(QStringLiteral("Polka.xls")).close();
    // Before the window caught up: an edit and a read of the closed sheet are refused quietly.
    EXPECT_FALSE(stale->setData(stale->index(0, 0), QStringLiteral("x")));
    EXPECT_FALSE(stale->index(0, 0).data().isValid());
    settle();
    EXPECT_EQ(texts(window->workbookTabs()), QStringList{"Vezar.xls"});
    host.quit();
    EXPECT_FALSE(window->isVisible());
    settle();
    EXPECT_EQ(window->workbookTabs()->count(), 0);
    window->bringToFront();  // nothing to show
    EXPECT_FALSE(window->isVisible());
}

TEST_F(SheetWindowTest, AHeldWindowWaitsForTheMainWindowOrForWhatNeedsItsGrids) {
    openTuningAndSong();
    host.setVisible(true);
    views::SheetWindow held(host, nullptr, /*held=*/true);
    host.activeCell().offset(1, 1).select();
    host.setVisible(false);
    host.setVisible(true);
    settle();
    EXPECT_FALSE(held.isVisible());
    EXPECT_EQ(held.workbookTabs()->count(), 0);

    QWidget mainWindow;
    mainWindow.show();
    held.showHeldWindowOnceExposed(mainWindow.windowHandle());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    settle();
    EXPECT_TRUE(held.isVisible());
    EXPECT_EQ(texts(held.workbookTabs()), (QStringList{"Vezar.xls", "Polka.xls"}));

    // Asked for a grid before any main window is shown, it is built at once.
    views::SheetWindow asked(host, nullptr, /*held=*/true);
    EXPECT_TRUE(asked.sheetView(QStringLiteral("Polka.xls"), QStringLiteral("List1")));
    EXPECT_TRUE(asked.isVisible());
}

TEST_F(SheetWindowTest, ATabPerOpenWorkbookAndInsideItATabPerSheet) {
    openTuningAndSong();
    showWindow();
    QTabWidget* workbooks = window->workbookTabs();
    EXPECT_EQ(texts(workbooks), (QStringList{"Vezar.xls", "Polka.xls"}));
    EXPECT_EQ(texts(sheetTabs("Vezar.xls")),
              (QStringList{"G-C-F", "Píseň s háčky", "Prázdný", "Čísla"}));
    EXPECT_EQ(texts(sheetTabs("Polka.xls")), QStringList{"List1"});
    // The active workbook and, in each workbook, its active sheet are current.
    EXPECT_EQ(workbooks->tabText(workbooks->currentIndex()), QStringLiteral("Polka.xls"));
    EXPECT_EQ(sheetTabs("Vezar.xls")->tabText(sheetTabs("Vezar.xls")->currentIndex()),
              QStringLiteral("Píseň s háčky"));

    // The grid: columns A to IV, rows from 1, the cells as the sheet shows them.
    QTableView* grid = view("Vezar.xls", "G-C-F");
    const QAbstractItemModel* model = grid->model();
    EXPECT_EQ(model->columnCount(), 256);
    EXPECT_GE(model->rowCount(), 500);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("A"));
    EXPECT_EQ(model->headerData(255, Qt::Horizontal).toString(), QStringLiteral("IV"));
    EXPECT_EQ(model->headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    EXPECT_EQ(model->index(1, 1).data().toString(), QStringLiteral("cis1,"));
    EXPECT_EQ(model->index(3, 2).data().toString(), QStringLiteral("FALSE"));

    // The program activates, renames, closes and adds: the tabs follow once it is idle.
    host.activateWindow(QStringLiteral("Vezar.xls"));
    host.sheet(QStringLiteral("G-C-F")).select();
    host.activeSheet().setName(QStringLiteral("B-Es-As"));
    host.workbook(QStringLiteral("Polka.xls")).close();
    host.addWorkbook();
    settle();
    EXPECT_EQ(texts(workbooks), (QStringList{"Vezar.xls", "Sešit2"}));
    EXPECT_EQ(workbooks->tabText(workbooks->currentIndex()), QStringLiteral("Sešit2"));
    EXPECT_EQ(texts(sheetTabs("Vezar.xls")),
              (QStringList{"B-Es-As", "Píseň s háčky", "Prázdný", "Čísla"}));
    EXPECT_EQ(sheetTabs("Vezar.xls")->currentIndex(), 0);
}

TEST_F(SheetWindowTest, TheCursorFollowsTheProgramAndItsValuesAppearOnceIdle) {
    openTuningAndSong();
    showWindow();
    QTableView* grid = view("Polka.xls", "List1");
    // Going to the end of the grid offers more rows.
    ASSERT_EQ(grid->model()->rowCount(), 500);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(host.activeCell().address(), QStringLiteral("$IV$500"));
    EXPECT_EQ(grid->model()->rowCount(), 600);
    settle();
    EXPECT_EQ(grid->model()->rowCount(), 600);

    host.range(QStringLiteral("B7")).select();
    settle();
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(6, 1));
    EXPECT_EQ(grid->selectionModel()->selectedIndexes(),
              QModelIndexList{grid->model()->index(6, 1)});

    // A song as the conversion writes it: hundreds of cells in one go, shown afterwards, the
    // cursor scrolled into view; the grid grows past the last used row.
    for (int row = 1; row <= 700; ++row) {
        host.range(QStringLiteral("A%1").arg(row))
            .setValue(CellValue(QStringLiteral("t%1").arg(row)));
        host.range(QStringLiteral("A%1").arg(row)).select();
    }
    host.range(QStringLiteral("A2")).clearContents();
    settle();
    EXPECT_GE(grid->model()->rowCount(), 800);
    EXPECT_EQ(grid->model()->index(699, 0).data().toString(), QStringLiteral("t700"));
    EXPECT_FALSE(grid->model()->index(1, 0).data().isValid());
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(699, 0));
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())));

    // The last row of a sheet.
    host.range(QStringLiteral("D65536")).select();
    settle();
    EXPECT_EQ(grid->model()->rowCount(), 65536);
    EXPECT_EQ(grid->currentIndex(), grid->model()->index(65535, 3));
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())));
}

// Clicking tabs and cells makes them the host's active ones; typing sets cells as text or
// numbers, saved with the song.
TEST_F(SheetWindowTest, ClickingAndTypingGoIntoTheHost) {
    openTuningAndSong();
    showWindow();
    QTableView* grid = view("Polka.xls", "List1");
    ASSERT_EQ(host.activeWorkbook().name(), QStringLiteral("Polka.xls"));

    clickTab(window->workbookTabs(), QStringLiteral("Vezar.xls"));
    EXPECT_EQ(hostCursor(), QStringLiteral("Vezar.xls!Píseň s háčky!$C$7"));
    clickTab(sheetTabs("Vezar.xls"), QStringLiteral("G-C-F"));
    EXPECT_EQ(hostCursor(), QStringLiteral("Vezar.xls!G-C-F!$B$3"));

    QTableView* gcf = view("Vezar.xls", "G-C-F");
    clickCell(gcf, 2, 2);
    EXPECT_EQ(hostCursor(), QStringLiteral("Vezar.xls!G-C-F!$C$3"));
    EXPECT_EQ(host.activeCell().text(), QStringLiteral("g1"));  // the next command's grip

    // Shift extends the selection; the grid's cursor, on the clicked cell, is the active cell.
    clickCell(gcf, 4, 3, Qt::ShiftModifier);
    EXPECT_EQ(host.selection().address(), QStringLiteral("$C$3:$D$5"));
    EXPECT_EQ(host.activeCell().address(), QStringLiteral("$D$5"));
    settle();
    EXPECT_EQ(gcf->selectionModel()->selectedIndexes().size(), 6);  // the echo changes nothing

    // From a cell of the song back in its own workbook.
    clickTab(window->workbookTabs(), QStringLiteral("Polka.xls"));
    clickCell(grid, 9, 0);
    EXPECT_EQ(hostCursor(), QStringLiteral("Polka.xls!List1!$A$10"));
    // The program's next move is shown, not the old click.
    host.range(QStringLiteral("A11")).select();
    settle();
    EXPECT_EQ(grid->currentIndex().row(), 10);

    // As a player types lyrics: the first key starts editing, Enter moves down.
    clickCell(grid, 0, 0);
    QTest::keyClick(grid, 'A');
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(0, 0)));
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, QStringLiteral("hoj, ma"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(host.activeWorkbook().sheet(1).range(QStringLiteral("A1")).value(),
              CellValue(QStringLiteral("Ahoj, ma")));
    EXPECT_EQ(hostCursor(), QStringLiteral("Polka.xls!List1!$A$2"));

    QTest::keyClick(grid, '1');
    editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(1, 0)));
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, QStringLiteral("2.5"));
    QTest::keyClick(editor, Qt::Key_Tab);
    settle();
    EXPECT_EQ(host.range(QStringLiteral("A2")).value(), CellValue::number(12.5));
    EXPECT_EQ(hostCursor(), QStringLiteral("Polka.xls!List1!$B$2"));
    EXPECT_EQ(grid->model()->index(1, 0).data().toString(), QStringLiteral("12.5"));

    // What becomes a number and what stays text.
    QAbstractItemModel* model = grid->model();
    const auto typed = [&](int row, const QString& text) {
        EXPECT_TRUE(model->setData(model->index(row, 2), text)) << text.toStdString();
        return host.activeWorkbook().sheet(1).range(QStringLiteral("C%1").arg(row + 1)).value();
    };
    EXPECT_EQ(typed(0, "42"), CellValue::number(42));
    EXPECT_EQ(typed(1, "-0.25"), CellValue::number(-0.25));
    EXPECT_EQ(typed(2, "1,5"), CellValue(QStringLiteral("1,5")));
    EXPECT_EQ(typed(3, "TRUE"), CellValue(QStringLiteral("TRUE")));
    EXPECT_EQ(typed(4, " 7 "), CellValue::number(7));
    EXPECT_TRUE(typed(2, "").isEmpty());
    // Another workbook's cell, that workbook not active: it changes there, nothing else.
    QAbstractItemModel* tuning = gcf->model();
    EXPECT_TRUE(tuning->setData(tuning->index(0, 3), QStringLiteral("Pozn.")));
    EXPECT_EQ(host.workbook("Vezar.xls").sheet(1).range("D1").value(), CellValue("Pozn."));
    EXPECT_EQ(host.activeWorkbook().name(), QStringLiteral("Polka.xls"));
    // An editor closed unchanged keeps what only looks like its text: FALSE stays a boolean.
    EXPECT_TRUE(tuning->setData(tuning->index(3, 2), QStringLiteral("FALSE")));
    EXPECT_EQ(host.workbook("Vezar.xls").sheet(1).range("C4").value(), CellValue::boolean(false));

    // Delete clears the chosen block.
    clickCell(grid, 0, 2);
    clickCell(grid, 1, 2, Qt::ShiftModifier);
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_TRUE(host.range(QStringLiteral("C1")).value().isEmpty());
    EXPECT_TRUE(host.range(QStringLiteral("C2")).value().isEmpty());
    EXPECT_EQ(host.range(QStringLiteral("C5")).value(), CellValue::number(7));

    host.activeWorkbook().save();
    host.activeWorkbook().close();
    host.openWorkbook(QStringLiteral("Polka.xls"));
    EXPECT_EQ(host.range(QStringLiteral("A1")).value(), CellValue(QStringLiteral("Ahoj, ma")));
    EXPECT_EQ(host.range(QStringLiteral("A2")).value(), CellValue::number(12.5));
    EXPECT_EQ(host.range(QStringLiteral("C5")).value(), CellValue::number(7));
    EXPECT_EQ(host.range(QStringLiteral("C4")).value(), CellValue(QStringLiteral("TRUE")));
    settle();
    EXPECT_EQ(view("Polka.xls", "List1")->model()->index(0, 0).data().toString(),
              QStringLiteral("Ahoj, ma"));
}

TEST_F(SheetWindowTest, TheHostMayGoBeforeTheWindow) {
    auto own = std::make_unique<spreadsheet::Application>(
        spreadsheet::HostSettings(testHost.path(QStringLiteral("own.ini"))));
    own->addWorkbook();
    own->setVisible(true);
    window = std::make_unique<views::SheetWindow>(*own);
    own->range(QStringLiteral("A1")).setValue(CellValue(QStringLiteral("x")));
    own->quit();
    own.reset();  // as the shutdown releases it
    settle();
    EXPECT_FALSE(window->isVisible());
    window->bringToFront();
    EXPECT_FALSE(window->isVisible());
    window.reset();
}

namespace {

// Writes down what the host tells, one word per notification.
class Recorder : public spreadsheet::HostObserver {
public:
    QStringList heard;
    void visibilityChanged(bool visible) override {
        heard << (visible ? QStringLiteral("shown") : QStringLiteral("hidden"));
    }
    void workbooksChanged() override { heard << QStringLiteral("workbooks"); }
    void cellsChanged(const spreadsheet::Sheet& sheet) override {
        heard << QStringLiteral("cells ") + sheet.name();
    }
    void selectionChanged(const spreadsheet::Sheet& sheet) override {
        heard << QStringLiteral("selection ") + sheet.name();
    }
    void hostDestroyed() override { heard << QStringLiteral("destroyed"); }
    QStringList take() { return std::exchange(heard, {}); }
};

}  // namespace

TEST(HostObserver, EveryChangeOfTheHostIsToldAndOnlyOnce) {
    Recorder recorder;
    auto testHost = std::make_unique<TestHost>();
    spreadsheet::Application& host = testHost->app;
    host.addObserver(&recorder);
    host.addObserver(&recorder);  // a second registration is no second listener

    host.setVisible(true);
    EXPECT_EQ(recorder.take(), QStringList{"shown"});
    host.addWorkbook();
    EXPECT_EQ(recorder.take(), QStringList{"workbooks"});
    host.range(QStringLiteral("A1:C3")).setValue(CellValue(QStringLiteral("x")));
    EXPECT_EQ(recorder.take(), QStringList{"cells List1"});
    host.range(QStringLiteral("B2")).clearContents();
    EXPECT_EQ(recorder.take(), QStringList{"cells List1"});
    host.range(QStringLiteral("A1:A5")).select();
    host.range(QStringLiteral("A3")).activate();
    EXPECT_EQ(recorder.take(), (QStringList{"selection List1", "selection List1"}));
    host.activeSheet().setName(QStringLiteral("Píseň"));
    host.activeSheet().select();
    EXPECT_EQ(recorder.take(), (QStringList{"workbooks", "workbooks"}));
    host.activeWorkbook().saveAs(QStringLiteral("Polka"));
    EXPECT_EQ(recorder.take(), QStringList{"workbooks"});
    host.addWorkbook();
    host.activateWindow(QStringLiteral("Polka.xls"));
    host.workbook(QStringLiteral("Sešit2")).activate();
    EXPECT_EQ(recorder.take(), (QStringList{"workbooks", "workbooks", "workbooks"}));
    host.openWorkbook(QStringLiteral("Polka.xls"));  // already open: activated
    host.activeWorkbook().close();
    host.openWorkbook(QStringLiteral("Polka.xls"));
    EXPECT_EQ(recorder.take(), (QStringList{"workbooks", "workbooks", "workbooks"}));

    // A failed operation changes nothing and tells nothing.
    EXPECT_EQ(testing_support::errorNumberOf(
                  [&] { host.workbook(QStringLiteral("Sešit2")).sheet(1).range("A1").select(); }),
              1004);
    EXPECT_EQ(testing_support::errorNumberOf([&] { host.activeSheet().setName("a:b"); }), 1004);
    EXPECT_TRUE(recorder.take().isEmpty());

    host.quit();
    EXPECT_EQ(recorder.take(), (QStringList{"hidden", "workbooks"}));
    testHost.reset();
    EXPECT_EQ(recorder.take(), QStringList{"destroyed"});

    Recorder removed;
    TestHost other;
    other.app.addObserver(&removed);
    other.app.removeObserver(&removed);
    other.app.addWorkbook();
    EXPECT_TRUE(removed.heard.isEmpty());
}
