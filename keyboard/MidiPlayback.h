#pragma once

#include <QString>

// One MIDI file played by FluidSynth into the default audio device. The only file that
// includes FluidSynth.
namespace keyboard {

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

// The General MIDI soundfont the set-up installs, or the empty text.
QString generalMidiSoundfont();

}  // namespace keyboard
