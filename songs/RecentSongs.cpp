#include "RecentSongs.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace songs {

namespace {

// One spelling per file, so that a song reached by two paths is listed once.
QString normalised(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

Qt::CaseSensitivity fileNameCase() {
#ifdef Q_OS_WIN
    return Qt::CaseInsensitive;
#else
    return Qt::CaseSensitive;
#endif
}

void removeSong(QStringList& paths, const QString& song) {
    paths.removeIf(
        [&song](const QString& listed) { return listed.compare(song, fileNameCase()) == 0; });
}

}  // namespace

RecentSongs::RecentSongs(const QStringList& stored) {
    for (auto it = stored.crbegin(); it != stored.crend(); ++it) {
        if (!it->isEmpty()) {
            remember(*it);
        }
    }
}

void RecentSongs::remember(const QString& path) {
    const QString song = normalised(path);
    removeSong(paths_, song);
    paths_.prepend(song);
    while (paths_.size() > Capacity) {
        paths_.removeLast();
    }
}

QStringList RecentSongs::captions() const {
    QStringList captions;
    for (const QString& path : paths_) {
        const QString name = QFileInfo(path).fileName();
        const auto sameName =
            std::count_if(paths_.cbegin(), paths_.cend(), [&name](const QString& other) {
                return QFileInfo(other).fileName().compare(name, fileNameCase()) == 0;
            });
        QString shown = sameName > 1 ? QDir::toNativeSeparators(path) : name;
        // A "&" of the name is shown as it is, not taken for the accelerator.
        captions << QStringLiteral("&%1 ").arg(captions.size() + 1) +
                        shown.replace(u'&', QStringLiteral("&&"));
    }
    return captions;
}

RecentSongs::Pick RecentSongs::pick(const QString& path) {
    const QString song = normalised(path);
    if (QFileInfo(song).isFile()) {
        return {song, {}};
    }
    removeSong(paths_, song);
    return {{},
            QStringLiteral("Písnička %1 už neexistuje (byla přesunuta, přejmenována nebo smazána); "
                           "ze seznamu posledních písniček byla odebrána.")
                .arg(QDir::toNativeSeparators(song))};
}

}  // namespace songs
