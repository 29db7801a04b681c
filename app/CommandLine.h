#pragma once

#include <QString>
#include <QStringList>

namespace app {

// The song given on the command line (`mechik SONG.xls`, as the file manager starts the
// program for a file), as an absolute path; empty when none is given. A file:// address is
// taken as its local file.
QString songToOpen(const QStringList& arguments);

}  // namespace app
