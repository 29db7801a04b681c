#pragma once

namespace music {

// Which hand a note belongs to: the treble of the right hand or the basses and chords of the
// left. Each part has its own track and channel wherever the song sounds.
enum class Part { Treble, Bass };

}  // namespace music
