#pragma once

// The General MIDI facts the song's sound is made of, shared by the MIDI file and the synth.
namespace music {

inline constexpr int AccordionProgram = 21;  // GM "Accordion", program 22 counted from 1
inline constexpr int TrebleVelocity = 100;
inline constexpr int BassVelocity = 80;  // the left hand a little softer
inline constexpr int ReleaseVelocity = 64;
inline constexpr int TrebleChannel = 0;  // channel 1
inline constexpr int BassChannel = 1;    // channel 2

}  // namespace music
