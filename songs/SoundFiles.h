#pragma once

#include <QString>

namespace songs {

// The sound file that goes with a song: "<song name without its last three characters>" +
// `extension` in `folder` ("Polka.xls" gives "Polka.mp3"). Players copy such files from
// devices and programs that write the extension in capitals: a file whose extension differs
// only in case (.MP3, .Mid, .WAV) is the one. The working copy of a workbook Mechík cannot
// save ("Polka – kopie.xls") without recordings of its own has the original's. The path as
// spelled with `extension` when no such file exists.
QString soundFileOf(const QString& folder, const QString& songWindowName, const QString& extension);

}  // namespace songs
