#pragma once

#include "GripSound.h"
#include "Part.h"

#include <QString>

#include <vector>

namespace songs {
struct SongGrip;
}

// A song as timed beats: every row up to its last grip is one quarter note, a row without a
// direction word a silent beat.
namespace music {

inline constexpr int TicksPerBeat = 480;

struct Beat {
    int row = 0;        // the sheet row, counted from 1
    bool rest = false;  // no direction word: nothing to light or sound
    GripSound sound;
};

struct SongScore {
    QString name;
    std::vector<Beat> beats;
    std::vector<SkippedCell> skipped;

    int endTick() const { return TicksPerBeat * static_cast<int>(beats.size()); }
};

SongScore songScore(const std::vector<songs::SongGrip>& grips, const QString& name);

// "V písni X není žádný hmat (řádek se slovem Tlak nebo Tah)": why a song without grips has
// nothing to save or play.
QString songWithoutGripsText(const QString& song);

// A note starting or ending. At one tick the note-offs come before the note-ons, so a pitch
// repeated by the next grip is struck again.
struct NoteEvent {
    int tick = 0;
    Part part = Part::Treble;
    int pitch = 0;
    bool on = false;

    bool operator==(const NoteEvent&) const = default;
};

// Every note of the song in time order: beat i sounds from tick 480 x i to 480 x (i + 1).
std::vector<NoteEvent> noteEvents(const SongScore& score);

}  // namespace music
