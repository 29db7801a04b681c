#pragma once

#include <QString>

namespace sound {

// The General MIDI soundfont the song sounds with: FluidR3_GM (Debian's fluid-soundfont-gm),
// otherwise TimGM6mb; beside the program first (Windows), then where Debian puts them. Empty
// when there is none.
QString generalMidiSoundfont();

// The reason given when there is none.
QString missingSoundfontReason();

}  // namespace sound
