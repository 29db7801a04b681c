#include "GripSounder.h"

#include "SoundPlugin.h"

namespace music {

GripSounder::GripSounder(LiveSynth* synth, BeatTimer& timer) : synth_(synth), timer_(timer) {
    timer_.onTimeout = [this] { silence(); };
}

GripSounder::~GripSounder() {
    silence();
    timer_.onTimeout = nullptr;
}

void GripSounder::setSynth(LiveSynth* synth) {
    silence();
    synth_ = synth;
}

void GripSounder::sound(const GripSound& grip, int holdMs) {
    silence();
    if (!synth_ || grip.isSilent()) {
        return;
    }
    for (int pitch : grip.treble) {
        synth_->noteOn(Part::Treble, pitch);
    }
    for (int pitch : grip.basses) {
        synth_->noteOn(Part::Bass, pitch);
    }
    sounding_ = grip;
    timer_.start(holdMs);
}

void GripSounder::silence() {
    timer_.stop();
    if (synth_) {
        for (int pitch : sounding_.treble) {
            synth_->noteOff(Part::Treble, pitch);
        }
        for (int pitch : sounding_.basses) {
            synth_->noteOff(Part::Bass, pitch);
        }
    }
    sounding_ = {};
}

}  // namespace music
