#pragma once

#include "Part.h"
#include "keyboard/SoundOutput.h"

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

// The sound of the song, made by a plugin library loaded only when the first sound is wanted,
// so that neither the program's start nor mechik-cli pays for the synthesizer. The core sees
// the plugin through these classes only; the plugin is built from the same tree, so C++
// classes may cross between them.
namespace music {

inline constexpr int SampleRate = 44100;

// Notes played as they happen: a grip lit on the keyboard sounds at once. Calls never block
// for longer than the synthesizer's own lock.
class LiveSynth {
public:
    virtual ~LiveSynth() = default;
    virtual void noteOn(Part part, int pitch) = 0;
    virtual void noteOff(Part part, int pitch) = 0;
};

enum class AudioOutput {
    Device,  // the computer's sound device
    None,    // the null device, pulled at a device's pace: for measuring the path to the note-on
};

struct LiveSynthOpening {
    std::unique_ptr<LiveSynth> synth;
    QString failure;  // why nothing sounds, in Czech ("počítač nemá ... zařízení."), when no synth
};

// A note of a rendering, timed in sample frames from the song's start.
struct RenderedNote {
    qint64 frame = 0;
    Part part = Part::Treble;
    int pitch = 0;
    bool on = false;
};

struct RenderJob {
    std::vector<RenderedNote> notes;  // in time order
    qint64 endFrame = 0;              // the end of the song's last beat
    qint64 maxReleaseFrames = 0;      // how long the last notes may ring out after it
};

// Takes rendered frames (16-bit stereo, interleaved); returning false stops the rendering.
using FrameSink = std::function<bool(const qint16* samples, int frames)>;

class SoundPlugin {
public:
    virtual ~SoundPlugin() = default;
    virtual LiveSynthOpening openLiveSynth(AudioOutput output) = 0;
    // Renders `job` at SampleRate, faster than real time, into `sink`. Returns false with
    // `failure` (Czech) when it cannot sound at all, false with `failure` empty when the sink
    // stopped it.
    virtual bool render(const RenderJob& job, const FrameSink& sink, QString& failure) = 0;
    // The player of the song's own sound files (mp3, wav, MIDI). Cheap: the media back-ends
    // start when the first file is played, on the thread that plays it.
    virtual std::unique_ptr<keyboard::SoundOutput> openFilePlayer() = 0;
};

// The plugin's only export: extern "C" music::SoundPlugin* mechik_sound_plugin_v2(); the
// version changes whenever the classes above do, so a stale plugin is refused, not crashed into.
inline constexpr char SoundPluginFactoryName[] = "mechik_sound_plugin_v2";
using SoundPluginFactory = SoundPlugin* (*)();

}  // namespace music
