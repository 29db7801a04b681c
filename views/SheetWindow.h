#pragma once

#include "spreadsheet/HostObserver.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QTabWidget;
class QWindow;
class QTableView;

namespace spreadsheet {
class Application;
class Sheet;
class Workbook;
}  // namespace spreadsheet

namespace views {

class SheetModel;
class SheetView;

// The embedded spreadsheet host made visible, as the players knew the spreadsheet application
// beside the program: one tab per open workbook, inside it one grid per sheet. It follows the
// host (shown while the host is Visible, the active workbook, sheet and cell current) and
// works it as a spreadsheet's window does: clicking a cell activates its workbook, sheet and
// cell, typing into a cell sets it, closing the window only makes the host invisible.
//
// The host tells it of every change, thousands of times while the program converts a song;
// it only notes what is out of date and catches up once the event loop runs.
class SheetWindow : public QWidget, private spreadsheet::HostObserver {
public:
    // `held`: nothing is built or shown until showHeldWindow() or anything that needs a grid,
    // so that at start-up the player gets the main window first.
    explicit SheetWindow(spreadsheet::Application& host, QWidget* parent = nullptr,
                         bool held = false);
    ~SheetWindow() override;

    // Builds a held window and shows it as the host says; once `window` is on the screen when
    // one is given, and behind it, as the host's window was when shown first.
    void showHeldWindow();
    void showHeldWindowOnceExposed(QWindow* window);

    // The menu item "Tabulka": makes the host visible and brings the window to the front.
    void bringToFront();

    // Runs each change the player makes to cells here (typing, Delete); unset, the change is
    // made directly.
    std::function<void(const std::function<void()>&)> runEdit;

    // A cell the player is typing into, in any grid: its text goes into the cell, as Enter
    // would put it there, and the grid stops editing. Nothing typed is lost to a command that
    // reads or ends the song meanwhile.
    void commitEdit();
    bool isEditing() const;

    QTabWidget* workbookTabs() const { return workbookTabs_; }
    // The grid of a sheet, by window name and sheet name; null when not shown.
    // A held window is built first.
    QTableView* sheetView(const QString& workbookName, const QString& sheetName);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SheetPage {
        std::weak_ptr<spreadsheet::Sheet> sheet;
        SheetModel* model;
        SheetView* view;
    };
    struct WorkbookPage {
        std::weak_ptr<spreadsheet::Workbook> workbook;
        QTabWidget* sheetTabs;
        std::vector<SheetPage> sheets;
    };

    // spreadsheet::HostObserver
    void visibilityChanged(bool visible) override;
    void workbooksChanged() override;
    void cellsChanged(const spreadsheet::Sheet& sheet) override;
    void selectionChanged(const spreadsheet::Sheet& sheet) override;
    void hostDestroyed() override;

    void scheduleRefresh();
    void refresh();  // brings the window up to date with the host
    bool hostRunning() const;
    void syncWorkbooks();
    void syncSheets(WorkbookPage& page, const spreadsheet::Workbook& workbook);
    void addSheetPage(WorkbookPage& page, const std::shared_ptr<spreadsheet::Sheet>& sheet);
    void syncCurrentTabs();
    void syncSelection(const SheetPage& page);

    // From the window to the host
    void workbookTabChosen(int index);
    void sheetTabChosen(const WorkbookPage& page, int index);
    void cellsChosen(const WorkbookPage& workbookPage, const SheetPage& page);
    void clearChosenCells(const SheetPage& page);
    void edit(const std::function<void()>& change);
    const WorkbookPage* pageOf(const QTabWidget* sheetTabs) const;

    spreadsheet::Application* host_;  // null once the host is destroyed
    QTabWidget* workbookTabs_;
    std::vector<std::unique_ptr<WorkbookPage>> pages_;  // in tab order

    bool held_ = false;
    QPointer<QWindow> inFront_;
    bool refreshScheduled_ = false;
    bool workbooksDirty_ = true;
    bool selectionDirty_ = true;
    std::vector<const spreadsheet::Sheet*> dirtyCells_;  // compared, never dereferenced
    bool syncing_ = false;       // the window itself is changing tabs and cursor: not the user
    bool applyingEdit_ = false;  // a typed text is on its way into its cell
};

}  // namespace views
