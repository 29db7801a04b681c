#pragma once

#include <QString>

namespace tools {

// `mechik-cli convert SONG.xls TARGET [--db FILE] [--out DIR] [--force]`: the conversion of the
// conversion window, run headless with its own code. `output` gets the copy's path, `error` the
// Czech message of a failure, or on success what the copy lacks (empty when nothing).
int convertSong(const QString& songPath, const QString& target, const QString& tuningDatabase,
                const QString& outFolder, bool force, QString& output, QString& error);

}  // namespace tools
