#include "SpreadsheetConnection.h"

#include "Dialogs.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/Workbook.h"

namespace services {

namespace {

std::shared_ptr<spreadsheet::Workbook> openWorkbook(const spreadsheet::Application* host,
                                                    const QString& name) {
    if (!host || !host->isRunning() || name.isEmpty()) {
        return nullptr;
    }
    for (const auto& workbook : host->windows()) {
        if (workbook->name().compare(name, Qt::CaseInsensitive) == 0) {
            return workbook;
        }
    }
    return nullptr;
}

}  // namespace

std::shared_ptr<const spreadsheet::Sheet> SpreadsheetConnection::songSheet() const {
    const auto song = openWorkbook(SpreadsheetApplication.get(), SongWorkbookName);
    return song ? song->activeSheet() : nullptr;
}

std::shared_ptr<const spreadsheet::Sheet> SpreadsheetConnection::tuningSheet(
    const QString& tuning) const {
    const auto database = openWorkbook(SpreadsheetApplication.get(), TuningWorkbookName);
    return database ? database->sheetNamed(tuning) : nullptr;
}

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

}  // namespace services
