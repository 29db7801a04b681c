#include "SoundFiles.h"

#include <QDir>
#include <QFileInfo>

namespace songs {

QString soundFileOf(const QString& folder, const QString& songWindowName,
                    const QString& extension) {
    const QDir dir(folder);
    const QString stem = songWindowName.left(songWindowName.size() - 3);
    const QString spelled = dir.filePath(stem + extension);
    if (QFileInfo::exists(spelled)) {
        return spelled;
    }
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& file : files) {
        if (file.size() == stem.size() + extension.size() && file.startsWith(stem) &&
            file.endsWith(extension, Qt::CaseInsensitive)) {
            return dir.filePath(file);
        }
    }
    return spelled;
}

}  // namespace songs
