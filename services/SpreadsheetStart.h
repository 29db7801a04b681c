#pragma once

#include <QString>
#include <QStringList>

namespace spreadsheet {
class FileChooser;
class HostSettings;
}  // namespace spreadsheet

namespace services {

struct SpreadsheetConnection;

// Where a run of the program finds its files.
struct ProgramEnvironment {
    QString programFolder;
    QString workingFolder;
    QString hostSettingsFile;     // empty: the user's
    QString tuningDatabase = {};  // empty: Vezar.xls in the program folder
};

// The spreadsheet host of the run, started with the working folder as its default one (the
// host's own default is kept in the connection, to be restored at the end) and the tuning
// database open. Throws SpreadsheetError when the host or the database cannot be opened.
void startSpreadsheet(SpreadsheetConnection& connection, const ProgramEnvironment& environment,
                      spreadsheet::FileChooser* fileChooser);
// The same with host settings of the caller's choosing; the environment's file is not used.
void startSpreadsheet(SpreadsheetConnection& connection, const ProgramEnvironment& environment,
                      spreadsheet::FileChooser* fileChooser,
                      const spreadsheet::HostSettings& hostSettings);

// The tunings of the open database in sheet order; its current tuning is selected again.
QStringList tuningSheetNames(SpreadsheetConnection& connection, const QString& currentTuning);

}  // namespace services
