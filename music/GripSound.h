#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace songs {
struct SongGrip;
}

// What sounds when a grip is played: the notes of its tone and bass names.
namespace music {

struct GripSound {
    std::vector<int> treble;  // MIDI notes in the order written, each pitch once
    std::vector<int> basses;  // a chord's root, third and fifth; each pitch once

    bool isSilent() const { return treble.empty() && basses.empty(); }
    bool operator==(const GripSound&) const = default;
};

// A cell of the song that names no tone or bass: it stays silent, and the export says so.
struct SkippedCell {
    int row = 0;
    int column = 0;  // counted from 1 (A = 1)
    QString text;
    bool isBass = false;

    bool operator==(const SkippedCell&) const = default;
};

// The notes of tone names ("c1,") and bass names ("C", "(Am)"); a name that does not parse is
// silent and, when `unknown` is given, handed to it with its index in its list.
GripSound gripSound(const QStringList& treble, const QStringList& basses,
                    const std::function<void(bool isBass, int index)>& unknown = {});

// The notes of a song's grip; a rest is silent. Cells that do not parse go to `skipped`.
GripSound gripSound(const songs::SongGrip& grip, std::vector<SkippedCell>& skipped);

// "Řádek 3, sloupec C: „x1,“ není název tónu; přeskočeno."
QString describeSkippedCell(const SkippedCell& cell);

}  // namespace music
