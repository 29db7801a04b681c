#include "OpenSong.h"

#include "Tablature.h"
#include "app/Dialogs.h"
#include "app/SpreadsheetConnection.h"
#include "songs/SongGrips.h"
#include "spreadsheet/Sheet.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/UnknownTuning.h"

namespace music {

std::shared_ptr<const spreadsheet::Sheet> openSongSheet(
    const app::SpreadsheetConnection& connection) {
    auto sheet = connection.songSheet();
    if (!sheet) {
        spreadsheet::throwObjectGone();
    }
    return sheet;
}

QString openSongName(const app::SpreadsheetConnection& connection) {
    return songNameOfFile(connection.SongWorkbookName);
}

SongScore openSongScore(const app::SpreadsheetConnection& connection) {
    return songScore(songs::readSongGrips(*openSongSheet(connection)), openSongName(connection));
}

std::shared_ptr<const spreadsheet::Sheet> openSongTuning(
    const app::SpreadsheetConnection& connection, app::Dialogs& dialogs) {
    const QString name = openSongSheet(connection)->name();
    auto tuning = connection.tuningSheet(name);
    if (!tuning) {
        dialogs.message(tones::unknownTuningTitle(), tones::unknownTuningText(name),
                        app::MessageIcon::Critical);
    }
    return tuning;
}

}  // namespace music
