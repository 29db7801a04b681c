#pragma once

#include "HostObserver.h"
#include "HostSettings.h"
#include "Range.h"
#include "SheetRef.h"
#include "WorkbookRef.h"

#include <QString>

#include <memory>
#include <optional>
#include <vector>

namespace spreadsheet {

class FileChooser;
class Workbook;

// The embedded spreadsheet host: the open workbooks, their windows, the active workbook and
// through it the active sheet, selection and active cell. Its operations mirror those of a
// spreadsheet application driven by automation, errors included (SpreadsheetError numbers 9,
// 91 and 1004). After quit() every operation but the default folder throws error 91.
class Application {
public:
    explicit Application(HostSettings settings = HostSettings());
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Application
    QString defaultFilePath() const;
    void setDefaultFilePath(const QString& path);  // remembered across runs; works after quit()
    bool visible() const;
    void setVisible(bool visible);
    void quit();  // closes every workbook without saving
    bool isRunning() const { return running_; }
    void setFileChooser(FileChooser* chooser) { fileChooser_ = chooser; }
    // "Excel Files,*.xls": the chosen path, or nothing when cancelled. Starts in the default
    // folder.
    std::optional<QString> getOpenFilename(const QString& fileFilter, const QString& title);
    // The save dialog: `initialFilename` a name or a path (a name starts in the default
    // folder). The chosen path, or nothing when cancelled.
    std::optional<QString> getSaveAsFilename(const QString& initialFilename,
                                             const QString& fileFilter, const QString& title);

    // Workbooks and windows
    WorkbookRef openWorkbook(const QString& filename);  // becomes the active workbook
    WorkbookRef addWorkbook();                          // "Sešit1", one sheet "List1"
    int workbookCount() const;
    WorkbookRef workbook(const QString& name) const;  // by window name; error 9 if missing
    WorkbookRef activeWorkbook() const;               // error 91 when none is open
    void activateWindow(const QString& name);         // error 9 when no such window

    // The active workbook's sheets and the active sheet's cells
    int sheetCount() const;
    SheetRef sheet(int index) const;  // 1-based
    SheetRef sheet(const QString& name) const;
    SheetRef activeSheet() const;
    Range range(const QString& address) const;
    Range selection() const;
    Range activeCell() const;

    // For the workbooks themselves
    bool isActiveWorkbook(const Workbook& workbook) const;
    void activate(Workbook& workbook);
    void close(Workbook& workbook);
    QString resolvePath(const QString& filename) const;  // default folder, ".xls"
    // The same, but a file that exists under the name as given is taken as it is.
    QString resolveExistingPath(const QString& filename) const;
    bool isNameTakenByOther(const QString& windowName, const Workbook& except) const;
    // The open workbooks, the active one first; empty after quit(). For views of the host.
    const std::vector<std::shared_ptr<Workbook>>& windows() const { return windows_; }

    // Views that follow the host; not owned. Each is told hostDestroyed() when the host goes.
    void addObserver(HostObserver* observer);
    void removeObserver(HostObserver* observer);
    // The handles report their changes through these.
    void notifyWorkbooksChanged() const;
    void notifyCellsChanged(const Sheet& sheet) const;
    void notifySelectionChanged(const Sheet& sheet) const;

private:
    void ensureRunning() const;
    FileChooser& chooser() const;
    std::shared_ptr<Workbook> active() const;  // error 91 when none is open
    std::shared_ptr<Workbook> byName(const QString& name) const;

    HostSettings settings_;
    bool running_ = true;
    bool visible_ = false;
    int newWorkbookCounter_ = 0;
    FileChooser* fileChooser_ = nullptr;
    std::vector<std::shared_ptr<Workbook>> windows_;  // front = the active workbook
    std::vector<HostObserver*> observers_;
};

}  // namespace spreadsheet
