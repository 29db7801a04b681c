#pragma once

#include <QString>

#include <optional>

// Two running Mechíks must not write the same song over each other: while a song is open, a
// hidden file beside it (".NAME.xls.lock", which "*.xls" does not match) names the computer and
// the process that has it. A lock whose process no longer runs on this computer was left by a
// program that ended without cleaning up: it is stale and is taken over.
namespace songs {

struct LockHolder {
    QString hostName;
    qint64 processId = 0;
};

class SongLock {
public:
    SongLock() = default;
    ~SongLock() { release(); }
    SongLock(const SongLock&) = delete;
    SongLock& operator=(const SongLock&) = delete;

    static QString lockPathOf(const QString& songPath);
    // Who else has the song open: a live lock of another process, or nothing.
    static std::optional<LockHolder> holderElsewhere(const QString& songPath);

    // Locks `songPath` for this process, releasing any song locked before. False when the lock
    // file cannot be written (a read-only folder) or another live process holds it.
    bool acquire(const QString& songPath);
    void release();
    const QString& songPath() const { return songPath_; }

private:
    QString songPath_;  // empty while nothing is locked
};

}  // namespace songs
