#pragma once

#include "SoundPlugin.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace music {

// The sound plugin's file name without the platform's prefix and suffix.
inline constexpr char SoundPluginName[] = "mechik_sound";

// Where the plugin lies: beside the program in a build (and on Windows), in lib/mechik beside
// bin/ when installed.
QStringList soundPluginFolders();

struct SoundPluginLoading {
    std::unique_ptr<SoundPlugin> plugin;
    QString failure;  // Czech, why there is no plugin
};

// Loads the plugin from the first of `folders` that holds it and keeps its library loaded for
// the rest of the program, so that what it made stays valid.
SoundPluginLoading loadSoundPlugin(const QStringList& folders = soundPluginFolders());

// The message a player sees once when grips cannot sound, `reason` being a failure above.
QString soundUnavailableMessage(const QString& reason);

}  // namespace music
