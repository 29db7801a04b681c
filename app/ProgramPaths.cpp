#include "ProgramPaths.h"

#include <QCoreApplication>
#include <QDir>

namespace app {

QString programFolder() { return QCoreApplication::applicationDirPath(); }

QString defaultWorkingFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\Dokumenty\\Knoflovka");
#else
    return QDir::home().filePath(QStringLiteral("Dokumenty/Knoflovka"));
#endif
}

}  // namespace app
