#pragma once

#include "music/SongScore.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace tools {

// What a command prints and returns; status 2 with nothing to say asks for the usage text.
struct CommandResult {
    int status = 0;
    QString out;
    QString err;
};

// `SONG.xls OUT [--tempo BPM]`: the song's active sheet read as a score, handed to `save`
// with the tempo, which writes OUT whole or throws spreadsheet::SpreadsheetError. Cells that
// do not sound are listed on stderr; the written file's path is printed.
using SongSaver = std::function<void(const QString& out, const music::SongScore&, double bpm)>;
CommandResult exportSong(const QStringList& args, const SongSaver& save);

}  // namespace tools
