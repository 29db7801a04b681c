#pragma once

#include "BeatTimer.h"
#include "GripSound.h"

namespace music {

class LiveSynth;

// Sounds the grip the keyboard lights: its notes ring until the next grip is lit or the hold
// time passes, and each new grip first stops the previous grip's notes. Without a synth (none
// loaded yet, or no sound device) it stays silent and keeps no notes.
class GripSounder {
public:
    static constexpr int DefaultHoldMs = 800;

    // `timer` must be single-shot.
    GripSounder(LiveSynth* synth, BeatTimer& timer);
    ~GripSounder();

    void setSynth(LiveSynth* synth);
    void sound(const GripSound& grip, int holdMs = DefaultHoldMs);
    void silence();
    bool isSounding() const { return !sounding_.isSilent(); }

private:
    LiveSynth* synth_;
    BeatTimer& timer_;
    GripSound sounding_;
};

}  // namespace music
