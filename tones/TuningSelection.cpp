#include "TuningSelection.h"

#include "UnknownTuning.h"
#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "spreadsheet/SpreadsheetError.h"

namespace tones {

TuningSelection::TuningSelection(services::SpreadsheetConnection& connection,
                                 services::Dialogs& dialogs,
                                 std::function<void(const QString&)> showTuning)
    : connection_(connection), dialogs_(dialogs), showTuning_(std::move(showTuning)) {}

bool TuningSelection::SelectSongTuning() {
    auto& host = *connection_.SpreadsheetApplication;
    const QString song = host.activeWorkbook().name();
    const QString tuning = host.activeSheet().name();
    if (!connection_.ActivateTuningWindow(dialogs_)) {
        return false;
    }
    bool selected = false;
    try {
        host.sheet(tuning).select();
        showTuning_(tuning);
        selected = true;
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::SubscriptOutOfRange) {
            throw;
        }
        dialogs_.message(unknownTuningTitle(), unknownTuningText(tuning),
                         services::MessageIcon::Critical);
    }
    host.activateWindow(song);
    return selected;
}

bool databaseLacksTuning(const services::SpreadsheetConnection& connection, const QString& tuning) {
    spreadsheet::WorkbookRef database;
    try {
        database = connection.SpreadsheetApplication->workbook(connection.TuningWorkbookName);
    } catch (const spreadsheet::SpreadsheetError&) {
        return false;  // no database to look in: the first lookup says so
    }
    try {
        database.sheet(tuning);
        return false;
    } catch (const spreadsheet::SpreadsheetError& error) {
        if (error.number() != spreadsheet::SubscriptOutOfRange) {
            throw;
        }
        return true;
    }
}

void TuningSelection::Combo1_Click(const QString& tuning) {
    if (!connection_.ActivateTuningWindow(dialogs_)) {
        return;
    }
    auto& host = *connection_.SpreadsheetApplication;
    host.sheet(tuning).select();
    try {
        host.activeWorkbook().save();
    } catch (const spreadsheet::SpreadsheetError& error) {
        // A read-only program folder: the choice holds for this run.
        dialogs_.message(QStringLiteral("Ladění nelze uložit."),
                         QStringLiteral("Zvolené ladění %1 platí jen do ukončení programu, "
                                        "databázi ladění se nepodařilo uložit.\r\n")
                                 .arg(tuning) +
                             error.description(),
                         services::MessageIcon::Exclamation);
    }
    showTuning_(tuning);
}

}  // namespace tones
