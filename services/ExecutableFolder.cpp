#include "ExecutableFolder.h"

#include <QCoreApplication>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>

#include <string>
#endif

namespace services {

QString executableFolder() {
    if (QCoreApplication::instance()) {
        return QCoreApplication::applicationDirPath();
    }
#ifdef Q_OS_WIN
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return QFileInfo(QString::fromWCharArray(path.data(), static_cast<qsizetype>(length)))
        .absolutePath();
#else
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
#endif
}

}  // namespace services
