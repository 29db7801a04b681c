#include "PluginLibrary.h"

#include "services/ExecutableFolder.h"

#include <QDir>
#include <QLibrary>

namespace music {

namespace {

QString pluginFileIn(const QString& folder, const QString& base) {
    const QDir dir(folder);
    const QStringList patterns{base + QStringLiteral(".*"),
                               QStringLiteral("lib") + base + QStringLiteral(".*")};
    for (const QString& name : dir.entryList(patterns, QDir::Files)) {
        if (QLibrary::isLibrary(name)) {
            return dir.filePath(name);
        }
    }
    return {};
}

QString nativeList(const QStringList& folders) {
    QStringList names;
    for (const QString& folder : folders) {
        names << QDir::toNativeSeparators(QDir(folder).absolutePath());
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace

QStringList pluginFolders() {
    const QDir program(services::executableFolder());
    return {program.path(), program.absoluteFilePath(QStringLiteral(MECHIK_PLUGIN_DIR_FROM_BIN))};
}

PluginFactoryLoading loadPluginFactory(const QString& kind, const char* name,
                                       const char* factoryName, const QStringList& folders) {
    const QString base = QString::fromLatin1(name);
    QString path;
    for (const QString& folder : folders) {
        if (path = pluginFileIn(folder, base); !path.isEmpty()) {
            break;
        }
    }
    if (path.isEmpty()) {
        return {nullptr, QStringLiteral("%1 %2 nebyl nalezen (hledán ve složkách %3).")
                             .arg(kind, base, nativeList(folders))};
    }
    QLibrary library(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!library.load()) {
        return {nullptr,
                QStringLiteral("%1 %2 nelze načíst: %3").arg(kind, shown, library.errorString())};
    }
    const QFunctionPointer factory = library.resolve(factoryName);
    if (!factory) {
        return {nullptr, QStringLiteral("%1 %2 nepatří k této verzi programu.").arg(kind, shown)};
    }
    // The QLibrary goes out of scope without unload(): the library stays for the program's life.
    return {factory, {}};
}

}  // namespace music
