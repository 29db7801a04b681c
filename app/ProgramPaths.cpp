#include "ProgramPaths.h"

#include "ExecutableFolder.h"
#include "ProgramSettings.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningCorrections.h"
#include "tunings/DeliveredTunings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace app {

namespace {

const QString Database = QStringLiteral("Vezar.xls");

QString installedDataFolder() {
    return QDir(executableFolder()).absoluteFilePath(QStringLiteral("../share/mechik"));
}

bool besideExecutable() {
    return QFileInfo::exists(QDir(executableFolder()).filePath(Database));
}

}  // namespace

void bringUpToDate(const QString& copy, const QString& shipped, ProgramSettings& settings) {
    try {
        tones::correctTuningDatabase(copy);
        QStringList known = settings.list(ProgramSettings::DodanaLadeni);
        const QStringList before = known;
        tunings::addDeliveredTunings(copy, shipped, known);
        if (known != before) {
            settings.setList(ProgramSettings::DodanaLadeni, known);
        }
    } catch (const spreadsheet::SpreadsheetError&) {
    }
}

QString programFolder() {
    return besideExecutable() ? executableFolder() : QDir::cleanPath(installedDataFolder());
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
    ProgramSettings settings;
    bringUpToDate(copy, shipped, settings);
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
