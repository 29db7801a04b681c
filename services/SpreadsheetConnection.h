#pragma once

#include "spreadsheet/Application.h"

#include <QString>

#include <memory>

namespace spreadsheet {
class Sheet;
}

namespace services {

class Dialogs;

// The one spreadsheet connection of the run and the names by which every part of the program
// reaches its two workbooks.
struct SpreadsheetConnection {
    std::unique_ptr<spreadsheet::Application> SpreadsheetApplication;
    QString TuningWorkbookName;
    QString SongWorkbookName;
    QString SavedDefaultFilePath;
    QString WorkingFolder;

    // Activates the song's window; false, without a message, when that fails.
    bool ActivateSongWindow();
    // Activates the tuning database's window; says so and gives false when that fails.
    bool ActivateTuningWindow(Dialogs& dialogs);

    // The song's sheet and the tuning database's sheet `tuning` as they are, for what reads a
    // whole song without moving any cursor; none when not open.
    std::shared_ptr<const spreadsheet::Sheet> songSheet() const;
    std::shared_ptr<const spreadsheet::Sheet> tuningSheet(const QString& tuning) const;
};

}  // namespace services
