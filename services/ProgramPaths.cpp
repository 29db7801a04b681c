#include "ProgramPaths.h"

#include "ExecutableFolder.h"

#include <QDir>
#include <QFileInfo>

namespace services {

namespace {

const QString Database = QStringLiteral("Vezar.xls");

QString installedDataFolder() {
    return QDir(executableFolder()).absoluteFilePath(QStringLiteral("../share/mechik"));
}

}  // namespace

bool programFilesBesideExecutable() {
    return QFileInfo::exists(QDir(executableFolder()).filePath(Database));
}

QString programFolder() {
    return programFilesBesideExecutable() ? executableFolder()
                                          : QDir::cleanPath(installedDataFolder());
}

QString shippedTuningDatabase() {
    return QDir(programFolder()).filePath(Database);
}

QString defaultWorkingFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Dokumenty\\Knoflovka");
#else
    return QDir::home().filePath(QStringLiteral("Dokumenty/Knoflovka"));
#endif
}

}  // namespace services
