#pragma once

#include <QString>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services

// Which files may be opened as a song, for every window that opens one.
namespace songs {

// Opens the workbook at `path` as a song; it becomes the active workbook. Refused, after the
// player is told why, for the tuning database itself, a song another running Mechík has open
// and a file that is no readable workbook: the program stays as it was.
bool openAsSong(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                const QString& path);
// True, after telling the player, when another running Mechík has the song at `path` open:
// it must not be opened, replaced or deleted here.
bool isOpenElsewhere(services::Dialogs& dialogs, const QString& path);

}  // namespace songs
