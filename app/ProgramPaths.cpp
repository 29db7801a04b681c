#include "ProgramPaths.h"

#include "ExecutableFolder.h"

#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningCorrections.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

namespace {

const QString Database = QStringLiteral("Vezar.xls");

QString installedDataFolder() {
    return QDir(executableFolder())
        .absoluteFilePath(QStringLiteral("../share/mechik"));
}

bool besideExecutable() {
    return QFileInfo::exists(QDir(executableFolder()).filePath(Database));
}

// A copy made from an earlier version's database gets the tones corrected since. One that
// cannot be read is left for the start-up to report; one that cannot be written keeps its
// tones until a later start manages it.
void bringUpToDate(const QString& copy) {
    try {
        tones::correctTuningDatabase(copy);
    } catch (const spreadsheet::SpreadsheetError&) {
    }
}

}  // namespace

QString programFolder() {
    return besideExecutable() ? executableFolder()
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
    if (!QFileInfo::exists(copy)) {
        return shipped;
    }
    bringUpToDate(copy);
    return copy;
}

QString defaultWorkingFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Dokumenty\\Knoflovka");
#else
    return QDir::home().filePath(QStringLiteral("Dokumenty/Knoflovka"));
#endif
}

}  // namespace app
