#include "OfflineRendering.h"

#include "HeligonkaSynth.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace sound {

namespace {

constexpr int BlockFrames = 1024;
// Below this the ringing out is inaudible (about -72 dB): the file ends there.
constexpr int SilentSample = 8;

class Renderer {
public:
    Renderer(HeligonkaSynth& synth, const music::FrameSink& sink) : synth_(synth), sink_(sink) {}

    // Renders up to `frame`; false when the sink stopped it.
    bool renderUntil(qint64 frame) {
        while (position_ < frame) {
            if (!renderBlock(static_cast<int>(std::min<qint64>(BlockFrames, frame - position_)))) {
                return false;
            }
        }
        return true;
    }

    // Lets the last notes and the reverb ring out until silent, `maxFrames` at most.
    bool ringOut(qint64 maxFrames) {
        const qint64 end = position_ + maxFrames;
        while (position_ < end &&
               !(lastBlockSilent_ && fluid_synth_get_active_voice_count(synth_.synth()) == 0)) {
            if (!renderBlock(static_cast<int>(std::min<qint64>(BlockFrames, end - position_)))) {
                return false;
            }
        }
        return true;
    }

private:
    bool renderBlock(int frames) {
        fluid_synth_write_s16(synth_.synth(), frames, block_.data(), 0, 2, block_.data(), 1, 2);
        lastBlockSilent_ =
            std::all_of(block_.begin(), block_.begin() + 2 * frames,
                        [](qint16 sample) { return std::abs(sample) < SilentSample; });
        position_ += frames;
        return sink_(block_.data(), frames);
    }

    HeligonkaSynth& synth_;
    const music::FrameSink& sink_;
    std::array<qint16, 2 * BlockFrames> block_{};
    qint64 position_ = 0;
    bool lastBlockSilent_ = false;
};

}  // namespace

bool renderOffline(const music::RenderJob& job, const music::FrameSink& sink, QString& failure) {
    auto synth = HeligonkaSynth::create(HeligonkaSynth::Use::Offline, failure);
    if (!synth) {
        return false;
    }
    Renderer renderer(*synth, sink);
    for (const auto& note : job.notes) {
        if (!renderer.renderUntil(note.frame)) {
            return false;
        }
        if (note.on) {
            synth->noteOn(note.part, note.pitch);
        } else {
            synth->noteOff(note.part, note.pitch);
        }
    }
    return renderer.renderUntil(job.endFrame) && renderer.ringOut(job.maxReleaseFrames);
}

}  // namespace sound
