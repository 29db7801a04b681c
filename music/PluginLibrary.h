#pragma once

#include <QString>
#include <QStringList>

// The program's plugin libraries (sound, print): each brings heavy libraries that only its
// feature needs, so it is loaded when the feature is first used.
namespace music {

// Where plugins lie: beside the program in a build (and on Windows), in lib/mechik beside bin/
// when installed. Also before any application object exists.
QStringList pluginFolders();

struct PluginFactoryLoading {
    QFunctionPointer factory = nullptr;
    QString failure;  // Czech, why there is no plugin
};

// Loads the plugin `name` (without the platform's prefix and suffix) from the first of
// `folders` that holds it, keeps its library loaded for the rest of the program, so that what
// it made stays valid, and finds its factory. `kind` names it in messages ("zvukový modul").
PluginFactoryLoading loadPluginFactory(const QString& kind, const char* name,
                                       const char* factoryName, const QStringList& folders);

}  // namespace music
