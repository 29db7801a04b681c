#pragma once

#include "HeligonkaSynth.h"
#include "music/SoundPlugin.h"

#include <memory>

namespace sound {

// The heligonka played into the computer's sound device as the keyboard lights grips.
class LiveFluidSynth : public music::LiveSynth {
public:
    // Fails at once, never waits, when there is no sound device.
    static music::LiveSynthOpening open(music::AudioOutput output);
    ~LiveFluidSynth() override;

    void noteOn(music::Part part, int pitch) override { synth_->noteOn(part, pitch); }
    void noteOff(music::Part part, int pitch) override { synth_->noteOff(part, pitch); }

private:
    explicit LiveFluidSynth(std::unique_ptr<HeligonkaSynth> synth) : synth_(std::move(synth)) {}

    std::unique_ptr<HeligonkaSynth> synth_;
    fluid_audio_driver_t* driver_ = nullptr;
};

}  // namespace sound
