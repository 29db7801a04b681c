#pragma once

#include <QString>

namespace spreadsheet {

// A saved song must survive a power cut: the file's bytes and the folder entry that names it
// are both forced to the disk before the save counts as done.

// False when the disk reports that the bytes of the open file `handle` could not be written.
bool syncFileToDisk(int handle);
// False when the folder's entries could not be written; a file system that cannot sync a
// folder at all counts as done.
bool syncFolderToDisk(const QString& folder);

}  // namespace spreadsheet
