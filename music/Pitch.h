#pragma once

#include <QString>

#include <optional>
#include <vector>

// What a written tone or bass sounds like, as MIDI note numbers. One mapping serves everything
// that sounds, is printed or imported, and it matches the staff: "c," is its lowest place.
namespace music {

inline constexpr int LowestStaffPitch = 48;    // "c,"
inline constexpr int HighestStaffPitch = 103;  // "g4,"

// A treble tone name ("cis1,") as a MIDI note: 48 + 12 x octave digit + the letter's semitone,
// raised by "is", lowered by "es"/"s". Nothing for a text that is no tone name.
std::optional<int> tonePitch(const QString& toneName);

// The tone name of a pitch inside the staff's range, spelled c cis d es e f fis g as a b h;
// empty outside "c,".."g4,".
QString toneNameOfPitch(int pitch);

// A bass cell as the tuning database holds it: "C" a single bass note, "(C)" a major and
// "(Cm)" a minor chord; letters C D E F G A H B with "is", "es" or "s".
struct BassSound {
    enum class Kind { Single, Major, Minor };
    Kind kind = Kind::Single;
    int root = 0;  // pitch class 0..11 (C = 0)
    // The notes that sound: a single bass in 36..47; a chord's root in 48..59 with its third
    // and fifth above.
    std::vector<int> pitches() const;
};
std::optional<BassSound> parseBass(const QString& bassName);

// The bass name of a pitch class, spelled C Cis D Es E F Fis G As A B H, with the chord's
// parentheses and "m" of `kind`.
QString bassNameOf(int pitchClass, BassSound::Kind kind);

}  // namespace music
