#pragma once

#include "SoundPlugin.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QThread;

namespace music {

// What the window sounds with: the plugin (for rendering files), the live synthesizer on the
// computer's sound device and the player of the song's sound files.
struct LoadedSound {
    std::unique_ptr<SoundPlugin> plugin;           // none when the plugin could not be loaded
    std::unique_ptr<LiveSynth> synth;              // none without the plugin or a sound device
    QString failure;                               // Czech, why there is no synth
    std::unique_ptr<keyboard::SoundOutput> files;  // none without the plugin
};

// The sound plugin from `folders`, its synthesizer on the sound device and its file player.
// Takes as long as FluidSynth needs for its soundfont: run it off the GUI thread.
LoadedSound loadLiveSound(const QStringList& folders);

// Loads the sound once, in the background, so that neither the program's start nor the
// player's clicks wait for the synthesizer.
class SoundSupply {
public:
    using Loader = std::function<LoadedSound()>;

    explicit SoundSupply(Loader loader);
    ~SoundSupply();  // waits for a loading in progress
    SoundSupply(const SoundSupply&) = delete;
    SoundSupply& operator=(const SoundSupply&) = delete;

    // Only before the loading starts.
    void setLoader(Loader loader) { loader_ = std::move(loader); }

    // Starts loading unless it has started already.
    void prepare();
    bool hasStarted() const { return thread_ != nullptr; }
    bool isReady() const { return ready_; }
    // Blocks until the sound is loaded (starting it if need be); for what cannot do without,
    // such as rendering a file.
    const LoadedSound& waitUntilReady();
    const LoadedSound& sound() const { return loaded_; }  // empty until ready

    // Once, on the thread that made this supply, when the sound is ready.
    std::function<void()> onReady;

private:
    void deliver();

    Loader loader_;
    std::unique_ptr<QThread> thread_;
    LoadedSound loaded_;  // the loading thread's until it has finished
    bool ready_ = false;
    QObject context_;  // receives the loading thread's end on this thread
};

}  // namespace music
