#include "SongLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <csignal>
#endif

namespace songs {

namespace {

LockHolder thisProcess() {
    return {QSysInfo::machineHostName(), QCoreApplication::applicationPid()};
}

bool isRunning(qint64 processId) {
#ifdef _WIN32
    HANDLE process =
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(processId));
    if (!process) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    DWORD code = 0;
    const bool running = GetExitCodeProcess(process, &code) && code == STILL_ACTIVE;
    CloseHandle(process);
    return running;
#else
    return processId > 0 && (::kill(static_cast<pid_t>(processId), 0) == 0 || errno == EPERM);
#endif
}

// Host name and process id, one a line; nothing for a file that says something else.
std::optional<LockHolder> readLock(const QString& lockPath) {
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QStringList lines = QString::fromUtf8(file.read(4096)).split(u'\n');
    bool ok = false;
    const qint64 processId = lines.value(1).trimmed().toLongLong(&ok);
    if (lines.size() < 2 || !ok) {
        return std::nullopt;
    }
    return LockHolder{lines[0].trimmed(), processId};
}

bool isOurs(const LockHolder& holder) {
    const LockHolder self = thisProcess();
    return holder.hostName == self.hostName && holder.processId == self.processId;
}

// A lock of another computer cannot be checked from here: it counts as live.
bool isLive(const LockHolder& holder) {
    return holder.hostName != thisProcess().hostName || isRunning(holder.processId);
}

bool writeNewLock(const QString& lockPath) {
    QFile file(lockPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    const LockHolder self = thisProcess();
    const QByteArray content =
        (self.hostName + u'\n' + QString::number(self.processId) + u'\n').toUtf8();
    return file.write(content) == content.size() && file.flush();
}

}  // namespace

QString SongLock::lockPathOf(const QString& songPath) {
    const QFileInfo song(songPath);
    return song.absoluteDir().filePath(u'.' + song.fileName() + QStringLiteral(".lock"));
}

std::optional<LockHolder> SongLock::holderElsewhere(const QString& songPath) {
    const auto holder = readLock(lockPathOf(songPath));
    if (holder && !isOurs(*holder) && isLive(*holder)) {
        return holder;
    }
    return std::nullopt;
}

bool SongLock::acquire(const QString& songPath) {
    const QString path = QFileInfo(songPath).absoluteFilePath();
    if (path == songPath_) {
        return true;
    }
    release();
    if (holderElsewhere(path)) {
        return false;
    }
    const QString lockPath = lockPathOf(path);
    if (!writeNewLock(lockPath)) {
        // A stale lock, or one of ours left over: replaced. A lock taken by another program
        // in the meantime is left alone.
        if (holderElsewhere(path) || !QFile::remove(lockPath) || !writeNewLock(lockPath)) {
            return false;
        }
    }
    songPath_ = path;
    return true;
}

void SongLock::release() {
    if (songPath_.isEmpty()) {
        return;
    }
    const QString lockPath = lockPathOf(songPath_);
    const auto holder = readLock(lockPath);
    if (holder && isOurs(*holder)) {
        QFile::remove(lockPath);
    }
    songPath_.clear();
}

}  // namespace songs
