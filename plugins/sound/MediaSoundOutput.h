#pragma once

#include "keyboard/SoundOutput.h"

#include <map>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

// mp3 and wav through Qt Multimedia, MIDI through FluidSynth with a General MIDI soundfont.
namespace sound {

class MidiPlayback;

class MediaSoundOutput : public keyboard::SoundOutput {
public:
    MediaSoundOutput();
    ~MediaSoundOutput() override;

    void play(const QString& path) override;
    void stop(const QString& path) override;
    void stopAll() override;

private:
    struct MediaPlayback;
    std::map<QString, std::unique_ptr<MediaPlayback>> media_;
    std::map<QString, std::unique_ptr<MidiPlayback>> midi_;
};

}  // namespace sound
