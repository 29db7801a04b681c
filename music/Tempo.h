#pragma once

#include <cmath>

// How fast a song goes: beats per minute, one grip row per beat.
namespace music {

inline constexpr double DefaultTempo = 100;
// The player's slider spans about 10 to 600 beats per minute; exports take the same range.
inline constexpr double MinTempo = 10;
inline constexpr double MaxTempo = 600;

inline bool isValidTempo(double bpm) {
    return bpm >= MinTempo && bpm <= MaxTempo;
}

// The automatic player steps every `ms`; its tempo is one grip per step.
inline double tempoOfStepInterval(int ms) {
    return 60000.0 / ms;
}

// A beat's length as a Standard MIDI File's tempo stores it, and as everything else that times
// the song uses it, so a rendered song and its MIDI file keep the same time.
inline int microsecondsPerBeat(double bpm) {
    return static_cast<int>(std::lround(60e6 / bpm));
}

}  // namespace music
