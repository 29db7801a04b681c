#pragma once

#include <QString>

namespace tools {

// `mechik-cli show SONG.xls ROW tlak|tah [--db FILE]`: row ROW shown as the main window shows
// it, with the window's own code, and printed. `output` gets the lines, `error` a message.
int showGrip(const QString& songPath, int row, bool push, const QString& tuningDatabase,
             QString& output, QString& error);

}  // namespace tools
