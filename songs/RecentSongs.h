#pragma once

#include <QString>
#include <QStringList>

namespace songs {

// The last songs the player created, opened, imported or converted, most recent first, as
// the "Soubor" menu offers them again. Kept in the settings as a list of paths.
class RecentSongs {
public:
    static constexpr int Capacity = 5;

    // From the stored list; entries repeated or beyond the capacity are dropped.
    explicit RecentSongs(const QStringList& stored = {});

    const QStringList& paths() const { return paths_; }
    // The menu's captions, "&1 Polka.xls" and on: a song by its file name, by its whole path
    // when another listed song has the same name.
    QStringList captions() const;

    // The song goes to the top; an earlier entry of the same file goes away.
    void remember(const QString& path);

    // A song picked from the list: its path when the file is still there. A song that no
    // longer exists is dropped from the list and `problem` tells the player so.
    struct Pick {
        QString path;
        QString problem;
    };
    Pick pick(const QString& path);

private:
    QStringList paths_;
};

}  // namespace songs
