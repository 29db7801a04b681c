#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

namespace {

const QString Database = QStringLiteral("Vezar.xls");

QString installedDataFolder() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/mechik"));
}

bool besideExecutable() {
    return QFileInfo::exists(QDir(QCoreApplication::applicationDirPath()).filePath(Database));
}

}  // namespace

QString programFolder() {
    return besideExecutable() ? QCoreApplication::applicationDirPath()
                              : QDir::cleanPath(installedDataFolder());
}

QString tuningDatabaseForUser() {
    const QString shipped = QDir(programFolder()).filePath(Database);
    if (besideExecutable()) {
        return shipped;
    }
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString copy = QDir(userFolder).filePath(Database);
    if (!QFileInfo::exists(copy) && QDir().mkpath(userFolder) && QFile::copy(shipped, copy)) {
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    }
    return QFileInfo::exists(copy) ? copy : shipped;
}

QString defaultWorkingFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Dokumenty\\Knoflovka");
#else
    return QDir::home().filePath(QStringLiteral("Dokumenty/Knoflovka"));
#endif
}

}  // namespace app
