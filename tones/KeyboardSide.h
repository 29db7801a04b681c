#pragma once

namespace tones {

// The two halves of the instrument: the treble buttons under the right hand and the basses
// under the left. The program's keyboards have these many buttons, numbered from 1.
enum class KeyboardSide { Treble, Bass };

inline constexpr int TrebleButtons = 37;
inline constexpr int BassButtons = 12;

}  // namespace tones
