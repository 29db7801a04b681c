// The sound plugin's entry: the core loads this library with QLibrary and asks it for its
// SoundPlugin, the only thing it exports.
#include "LiveFluidSynth.h"
#include "MediaSoundOutput.h"
#include "OfflineRendering.h"
#include "music/SoundPlugin.h"

#include <QtGlobal>

#include <type_traits>

namespace sound {

namespace {

class FluidSynthPlugin : public music::SoundPlugin {
public:
    music::LiveSynthOpening openLiveSynth(music::AudioOutput output) override {
        return LiveFluidSynth::open(output);
    }
    bool render(const music::RenderJob& job, const music::FrameSink& sink,
                QString& failure) override {
        failure.clear();
        return renderOffline(job, sink, failure);
    }
    std::unique_ptr<keyboard::SoundOutput> openFilePlayer() override {
        return std::make_unique<MediaSoundOutput>();
    }
};

}  // namespace

}  // namespace sound

extern "C" Q_DECL_EXPORT music::SoundPlugin* mechik_sound_plugin_v2() {
    return new sound::FluidSynthPlugin;
}
static_assert(std::is_same_v<decltype(&mechik_sound_plugin_v2), music::SoundPluginFactory>);
