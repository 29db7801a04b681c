#pragma once

#include "SongScore.h"

#include <QString>

#include <memory>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services
namespace spreadsheet {
class Sheet;
}

// The song open in the window read as a whole, for what sounds, saves or prints all of it;
// no cursor moves.
namespace music {

// Throws error 91 when no song is open any more.
std::shared_ptr<const spreadsheet::Sheet> openSongSheet(
    const services::SpreadsheetConnection& connection);
// The file name without ".xls".
QString openSongName(const services::SpreadsheetConnection& connection);
SongScore openSongScore(const services::SpreadsheetConnection& connection);

// The tuning database's sheet the song names; none, after the display's own message, when the
// database has no such tuning.
std::shared_ptr<const spreadsheet::Sheet> openSongTuning(
    const services::SpreadsheetConnection& connection, services::Dialogs& dialogs);

}  // namespace music
