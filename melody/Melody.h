#pragma once

#include <QString>

#include <vector>

// A tune as the fingering needs it: only where notes start and which pitches start there.
namespace melody {

// The notes that start at one moment: one grip of the song.
struct MelodyChord {
    std::vector<int> pitches;  // sounding MIDI notes, distinct, ascending
    QString place;             // where a player finds it in the score, for messages
    QString syllable;          // the lyric sung to it, if the file has one
};

struct Melody {
    std::vector<MelodyChord> chords;  // in time order
};

}  // namespace melody
