#include "OpenTuningDatabase.h"

#include "services/SpreadsheetConnection.h"
#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/Workbook.h"
#include "tones/TuningTable.h"

#include <QScopeGuard>

namespace tunings {

OpenTuningDatabase::OpenTuningDatabase(services::SpreadsheetConnection& connection)
    : connection_(connection) {}

QString OpenTuningDatabase::path() const {
    return connection_.SpreadsheetApplication->workbook(connection_.TuningWorkbookName).path();
}

bool OpenTuningDatabase::songIsOpen() const {
    const QString& song = connection_.SongWorkbookName;
    if (song.isEmpty() || song == connection_.TuningWorkbookName) {
        return false;
    }
    try {
        connection_.SpreadsheetApplication->workbook(song);
        return true;
    } catch (const spreadsheet::SpreadsheetError&) {
        return false;
    }
}

void OpenTuningDatabase::backToSong(bool songOpen) {
    if (songOpen) {
        connection_.SpreadsheetApplication->activateWindow(connection_.SongWorkbookName);
    }
}

TuningDatabase OpenTuningDatabase::read() {
    auto& host = *connection_.SpreadsheetApplication;
    const auto copy = host.workbook(connection_.TuningWorkbookName);
    if (copy.hasUnsavedChanges()) {
        const bool songOpen = songIsOpen();
        copy.activate();
        const QString selected = copy.activeSheet().name();
        // Also after a failed save; a failure here is already the one being reported.
        const auto restore = qScopeGuard([&] {
            try {
                copy.sheet(selected).select();
                backToSong(songOpen);
            } catch (const spreadsheet::SpreadsheetError&) {
            }
        });
        const int current = TuningDatabase(copy.path()).activeIndex();
        if (current < copy.sheetCount()) {
            copy.sheet(current + 1).select();
        }
        copy.save();
    }
    return TuningDatabase(copy.path());
}

void OpenTuningDatabase::reload() {
    auto& host = *connection_.SpreadsheetApplication;
    const bool songOpen = songIsOpen();
    const QString file = path();
    host.workbook(connection_.TuningWorkbookName).close();
    connection_.TuningWorkbookName = host.openWorkbook(file).name();
    backToSong(songOpen);
}

std::shared_ptr<spreadsheet::Workbook> OpenTuningDatabase::copy() const {
    for (const auto& workbook : connection_.SpreadsheetApplication->windows()) {
        if (workbook->name() == connection_.TuningWorkbookName) {
            return workbook;
        }
    }
    return nullptr;
}

QStringList OpenTuningDatabase::names() const {
    QStringList names;
    if (const auto database = copy()) {
        for (int i = 0; i < database->sheetCount(); ++i) {
            names << database->sheetAt(i)->name();
        }
    }
    return names;
}

std::optional<tones::TuningTable> OpenTuningDatabase::tuning(const QString& name) const {
    const auto database = copy();
    const auto sheet = database ? database->sheetNamed(name) : nullptr;
    if (!sheet) {
        return std::nullopt;
    }
    return tones::TuningTable::fromSheet(*sheet);
}

QString OpenTuningDatabase::openSongTuning() const {
    if (!songIsOpen()) {
        return {};
    }
    return connection_.SpreadsheetApplication->workbook(connection_.SongWorkbookName)
        .activeSheet()
        .name();
}

}  // namespace tunings
