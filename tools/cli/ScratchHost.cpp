#include "ScratchHost.h"

#include "CliMessages.h"
#include "services/CommonMessages.h"
#include "services/SpreadsheetStart.h"
#include "spreadsheet/HostSettings.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QDir>
#include <QFileInfo>

namespace tools {

bool ScratchHost::start(const QString& tuningDatabase, const QString& folder,
                        spreadsheet::FileChooser* chooser, QString& error) {
    workingFolder = QDir(folder).absolutePath();
    const services::ProgramEnvironment environment{QFileInfo(tuningDatabase).absolutePath(),
                                                   workingFolder, QString(), tuningDatabase};
    connection.WorkingFolder = workingFolder;
    try {
        services::startSpreadsheet(connection, environment, chooser,
                                   spreadsheet::HostSettings::inMemory());
    } catch (const spreadsheet::SpreadsheetError& failure) {
        error = oneLine(services::tuningDatabaseNotOpened(failure.description()));
        return false;
    }
    return true;
}

}  // namespace tools
