#pragma once

#include "music/Part.h"

#include <QString>

#include <memory>

#include <fluidsynth.h>

namespace sound {

// FluidSynth set up to sound like a heligonka: the General MIDI accordion, the treble doubled
// by a second voice about 10 cents sharp for the tremolo of the real instrument's reeds, the
// basses and chords on their own channel, a little softer. The live sound and the rendered
// file use the same one.
class HeligonkaSynth {
public:
    enum class Use { Live, Offline };

    // Nothing, with the reason in `failure`, when no soundfont can be loaded.
    static std::unique_ptr<HeligonkaSynth> create(Use use, QString& failure);
    ~HeligonkaSynth();
    HeligonkaSynth(const HeligonkaSynth&) = delete;
    HeligonkaSynth& operator=(const HeligonkaSynth&) = delete;

    void noteOn(music::Part part, int pitch);
    void noteOff(music::Part part, int pitch);

    fluid_settings_t* settings() const { return settings_; }
    fluid_synth_t* synth() const { return synth_; }

private:
    HeligonkaSynth() = default;
    bool setUp(Use use, QString& failure);

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
};

}  // namespace sound
