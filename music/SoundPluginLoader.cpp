#include "SoundPluginLoader.h"

#include "PluginLibrary.h"

namespace music {

QStringList soundPluginFolders() {
    return pluginFolders();
}

SoundPluginLoading loadSoundPlugin(const QStringList& folders) {
    const PluginFactoryLoading loading = loadPluginFactory(
        QStringLiteral("zvukový modul"), SoundPluginName, SoundPluginFactoryName, folders);
    if (!loading.factory) {
        return {nullptr, loading.failure};
    }
    return {std::unique_ptr<SoundPlugin>(reinterpret_cast<SoundPluginFactory>(loading.factory)()),
            {}};
}

QString soundUnavailableMessage(const QString& reason) {
    return QStringLiteral("Zvuk nelze přehrát: %1\nProgram pokračuje bez zvuku.").arg(reason);
}

}  // namespace music
