#pragma once

#include "services/SpreadsheetConnection.h"

#include <QString>

namespace spreadsheet {
class FileChooser;
}

namespace tools {

// The spreadsheet host of one command, with the tuning database open. The player's own
// settings are neither read nor changed: the host's default folder lives only in memory.
struct ScratchHost {
    services::SpreadsheetConnection connection;
    QString workingFolder;

    // False, with the failure on one line in error, when the host or the database cannot be
    // opened.
    bool start(const QString& tuningDatabase, const QString& folder,
               spreadsheet::FileChooser* chooser, QString& error);
};

}  // namespace tools
