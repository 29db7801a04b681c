#include "SpreadsheetStart.h"

#include "SpreadsheetConnection.h"
#include "spreadsheet/HostSettings.h"

#include <QDir>

namespace services {

void startSpreadsheet(SpreadsheetConnection& connection, const ProgramEnvironment& environment,
                      spreadsheet::FileChooser* fileChooser) {
    startSpreadsheet(connection, environment, fileChooser,
                     environment.hostSettingsFile.isEmpty()
                         ? spreadsheet::HostSettings()
                         : spreadsheet::HostSettings(environment.hostSettingsFile));
}

void startSpreadsheet(SpreadsheetConnection& connection, const ProgramEnvironment& environment,
                      spreadsheet::FileChooser* fileChooser,
                      const spreadsheet::HostSettings& hostSettings) {
    {
        spreadsheet::Application first(hostSettings);
        connection.SavedDefaultFilePath = first.defaultFilePath();
        first.setDefaultFilePath(connection.WorkingFolder);
        first.quit();
    }
    connection.SpreadsheetApplication = std::make_unique<spreadsheet::Application>(hostSettings);
    auto& host = *connection.SpreadsheetApplication;
    host.setFileChooser(fileChooser);
    host.setVisible(true);
    host.openWorkbook(environment.tuningDatabase.isEmpty()
                          ? QDir(environment.programFolder).filePath(QStringLiteral("Vezar.xls"))
                          : environment.tuningDatabase);
    connection.TuningWorkbookName = host.activeWorkbook().name();
}

QStringList tuningSheetNames(SpreadsheetConnection& connection, const QString& currentTuning) {
    auto& host = *connection.SpreadsheetApplication;
    QStringList names;
    host.sheet(1).select();
    const int count = host.sheetCount();
    for (int round = 0; round < count; ++round) {
        names << host.activeSheet().name();
        if (host.activeSheet().index() == count) {
            break;
        }
        host.activeSheet().next().select();
    }
    host.sheet(currentTuning).select();
    return names;
}

}  // namespace services
