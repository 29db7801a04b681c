#include "SoundFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <optional>

namespace songs {

namespace {

// "Polka." + "mp3", or the file whose extension differs from it only in case.
std::optional<QString> existingSoundFile(const QDir& dir, const QString& stem,
                                         const QString& extension) {
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
    return std::nullopt;
}

// "Polka." for "Polka – kopie." or "Polka – kopie (2).": the working copy of a workbook
// Mechík cannot save plays the original's recordings. Empty for any other song.
QString originalOfWorkingCopy(const QString& stem) {
    static const QRegularExpression copy(QStringLiteral("^(.*) – kopie(?: \\(\\d+\\))?\\.$"));
    const QRegularExpressionMatch match = copy.match(stem);
    return match.hasMatch() ? match.captured(1) + u'.' : QString();
}

}  // namespace

QString soundFileOf(const QString& folder, const QString& songWindowName,
                    const QString& extension) {
    const QDir dir(folder);
    const QString stem = songWindowName.left(songWindowName.size() - 3);
    if (const auto own = existingSoundFile(dir, stem, extension)) {
        return *own;
    }
    const QString original = originalOfWorkingCopy(stem);
    if (!original.isEmpty()) {
        if (const auto originals = existingSoundFile(dir, original, extension)) {
            return *originals;
        }
    }
    return dir.filePath(stem + extension);
}

}  // namespace songs
