#pragma once

#include "ImportError.h"
#include "Melody.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace melody {

// A song sheet has this many rows; a longer tune cannot become one song.
inline constexpr std::size_t MaxChords = 65536;
// "The tune in `fileName` is too long", for a reader that meets chord MaxChords + 1.
QString tooLongMessage(const QString& fileName);

// A note of the file that starts something, with what its chord may take from it.
template <typename Time>
struct StartedNote {
    Time onset;
    int pitch = 0;
    int measure = 0;   // the reader's own index for telling the place
    QString syllable;  // the first lyric of the note
};

// Notes that start at the same time form one chord; the first of them in the file's order gives
// the chord its place and syllable. `placeOf` names a note's place.
template <typename Time, typename PlaceOf>
Melody gatherChords(std::vector<StartedNote<Time>> notes, PlaceOf placeOf,
                    const QString& fileName) {
    std::stable_sort(
        notes.begin(), notes.end(),
        [](const StartedNote<Time>& a, const StartedNote<Time>& b) { return a.onset < b.onset; });
    Melody melody;
    for (std::size_t first = 0; first < notes.size();) {
        std::size_t end = first;
        if (melody.chords.size() == MaxChords) {
            throw ImportError(tooLongMessage(fileName));
        }
        MelodyChord chord;
        while (end < notes.size() && notes[end].onset == notes[first].onset) {
            chord.pitches.push_back(notes[end].pitch);
            ++end;
        }
        std::sort(chord.pitches.begin(), chord.pitches.end());
        chord.pitches.erase(std::unique(chord.pitches.begin(), chord.pitches.end()),
                            chord.pitches.end());
        chord.place = placeOf(notes[first]);
        chord.syllable = notes[first].syllable;
        melody.chords.push_back(std::move(chord));
        first = end;
    }
    return melody;
}

}  // namespace melody
