#pragma once

#include <QString>

// One of the song's MIDI files played by FluidSynth into the default audio device, with the
// soundfont the grips sound with.
namespace sound {

class MidiPlayback {
public:
    // Logs and plays nothing when the file, the soundfont or the audio device is missing.
    explicit MidiPlayback(const QString& path);
    ~MidiPlayback();
    MidiPlayback(const MidiPlayback&) = delete;
    MidiPlayback& operator=(const MidiPlayback&) = delete;

    bool isPlaying() const { return player_ != nullptr; }

private:
    void release();

    void* settings_ = nullptr;
    void* synth_ = nullptr;
    void* driver_ = nullptr;
    void* player_ = nullptr;
};

}  // namespace sound
