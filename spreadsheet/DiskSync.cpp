#include "DiskSync.h"

#include <QFile>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#endif

namespace spreadsheet {

bool syncFileToDisk(int handle) {
#ifdef _WIN32
    return _commit(handle) == 0;
#elif defined(__linux__)
    return ::fdatasync(handle) == 0;  // the data and the size: all a new file needs
#else
    return ::fsync(handle) == 0;
#endif
}

bool syncFolderToDisk(const QString& folder) {
#ifdef _WIN32
    (void)folder;  // a rename is written through with the file on this system
    return true;
#else
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0) {
        return errno == EACCES;  // a folder we may write but not read: nothing to ask for
    }
    const bool synced = ::fsync(handle) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(handle);
    return synced;
#endif
}

}  // namespace spreadsheet
