#pragma once

#include "keyboard/SoundOutput.h"

#include <functional>

namespace music {

class SoundSupply;

// The song's sound files as the window plays them: through the sound plugin, which the
// supply has usually loaded in the background by then; the first file played before that
// waits for it. Without the plugin nothing plays and `onUnavailable` tells the player why.
class SoundFiles : public keyboard::SoundOutput {
public:
    SoundFiles(SoundSupply& supply, std::function<void()> onUnavailable);

    void play(const QString& path) override;
    // Nothing can be playing before the first play(): the plugin is not waited for.
    void stop(const QString& path) override;
    void stopAll() override;

private:
    keyboard::SoundOutput* loadedPlayer() const;

    SoundSupply& supply_;
    std::function<void()> onUnavailable_;
};

}  // namespace music
