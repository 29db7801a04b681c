#include "SoundPluginLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace music {

namespace {

QString pluginFileIn(const QString& folder) {
    const QString base = QString::fromLatin1(SoundPluginName);
    const QDir dir(folder);
    const QStringList patterns{base + QStringLiteral(".*"), QStringLiteral("lib") + base + QStringLiteral(".*")};
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

QStringList soundPluginFolders() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.absoluteFilePath(QStringLiteral(MECHIK_PLUGIN_DIR_FROM_BIN))};
}

SoundPluginLoading loadSoundPlugin(const QStringList& folders) {
    QString path;
    for (const QString& folder : folders) {
        if (path = pluginFileIn(folder); !path.isEmpty()) {
            break;
        }
    }
    if (path.isEmpty()) {
        return {nullptr, QStringLiteral("zvukový modul %1 nebyl nalezen (hledán ve složkách %2).")
                             .arg(QString::fromLatin1(SoundPluginName), nativeList(folders))};
    }
    QLibrary library(path);
    const QString shown = QDir::toNativeSeparators(path);
    if (!library.load()) {
        return {nullptr,
                QStringLiteral("zvukový modul %1 nelze načíst: %2").arg(shown, library.errorString())};
    }
    const auto factory = reinterpret_cast<SoundPluginFactory>(library.resolve(SoundPluginFactoryName));
    if (!factory) {
        return {nullptr, QStringLiteral("zvukový modul %1 nepatří k této verzi programu.").arg(shown)};
    }
    // The QLibrary goes out of scope without unload(): the library stays for the program's life.
    return {std::unique_ptr<SoundPlugin>(factory()), {}};
}

QString soundUnavailableMessage(const QString& reason) {
    return QStringLiteral("Zvuk nelze přehrát: %1\nProgram pokračuje bez zvuku.").arg(reason);
}

}  // namespace music
