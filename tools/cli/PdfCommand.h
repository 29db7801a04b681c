#pragma once

#include "SongExport.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace tools {

// `mechik-cli pdf SONG.xls OUT.pdf [--db FILE] [--numbering standard|trizonia]`: the song as a
// printed tablature of the full keyboard, painted by the print plugin. Runs before any
// application object exists: the plugin makes the QGuiApplication its fonts need.
// `defaultDatabase` is asked only when no --db is given.
CommandResult pdfCommand(const QStringList& args, const std::function<QString()>& defaultDatabase);

}  // namespace tools
