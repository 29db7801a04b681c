#include "SpreadsheetConnection.h"

#include "Dialogs.h"
#include "spreadsheet/SpreadsheetError.h"

namespace app {

bool SpreadsheetConnection::ActivateSongWindow() {
    try {
        if (!SpreadsheetApplication) {
            return false;
        }
        SpreadsheetApplication->activateWindow(SongWorkbookName);
        return true;
    } catch (const spreadsheet::SpreadsheetError&) {
        return false;
    }
}

bool SpreadsheetConnection::ActivateTuningWindow(Dialogs& dialogs) {
    try {
        if (SpreadsheetApplication) {
            SpreadsheetApplication->activateWindow(TuningWorkbookName);
            return true;
        }
    } catch (const spreadsheet::SpreadsheetError&) {
    }
    dialogs.message(QStringLiteral("Chyba."),
                    QStringLiteral("Soubor Vezar.xls není otevřen. Nelze načítat data !"),
                    MessageIcon::Critical);
    return false;
}

}  // namespace app
