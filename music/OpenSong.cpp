#include "OpenSong.h"

#include "Tablature.h"
#include "services/Dialogs.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongGrips.h"
#include "spreadsheet/Sheet.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/UnknownTuning.h"

namespace music {

std::shared_ptr<const spreadsheet::Sheet> openSongSheet(
    const services::SpreadsheetConnection& connection) {
    auto sheet = connection.songSheet();
    if (!sheet) {
        spreadsheet::throwObjectGone();
    }
    return sheet;
}

QString openSongName(const services::SpreadsheetConnection& connection) {
    return songNameOfFile(connection.SongWorkbookName);
}

SongScore openSongScore(const services::SpreadsheetConnection& connection) {
    return songScore(songs::readSongGrips(*openSongSheet(connection)), openSongName(connection));
}

std::shared_ptr<const spreadsheet::Sheet> openSongTuning(
    const services::SpreadsheetConnection& connection, services::Dialogs& dialogs) {
    const QString name = openSongSheet(connection)->name();
    auto tuning = connection.tuningSheet(name);
    if (!tuning) {
        dialogs.message(tones::unknownTuningTitle(), tones::unknownTuningText(name),
                        services::MessageIcon::Critical);
    }
    return tuning;
}

}  // namespace music
