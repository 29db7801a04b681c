#pragma once

#include <QString>

// Plays a song's accompanying files in the background, several at once; the player logic is
// tested with a recording stand-in, without audio.
namespace keyboard {

class SoundOutput {
public:
    virtual ~SoundOutput() = default;
    // Starts the file; a file that cannot be played is only logged.
    virtual void play(const QString& path) = 0;
    virtual void stop(const QString& path) = 0;
    virtual void stopAll() = 0;
};

}  // namespace keyboard
