#pragma once

#include "tones/Bellows.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace spreadsheet {
class Sheet;
}

// A song sheet read as the grips a player plays, for everything that takes the song as a whole
// (sound, print, export) rather than one grip under the cursor.
namespace songs {

struct SongGrip {
    int row = 0;                            // the sheet row, counted from 1
    QString syllable;                       // column A
    QStringList treble;                     // B..H as the display reads them: up to the first gap
    std::optional<tones::Bellows> bellows;  // from column I; nothing: a rest
    QStringList basses;                     // M..S up to the first gap

    bool isRest() const { return !bellows.has_value(); }
};

// The song's end: its last row holding a direction word ("Tlak" or "Tah", exactly so); 0 for a
// sheet without any.
int lastGripRow(const spreadsheet::Sheet& sheet);

// One row as the grip it holds, a rest when it has no direction word.
SongGrip readSongGrip(const spreadsheet::Sheet& sheet, int row);

// Rows 1..lastGripRow. A row without a direction word inside the song is a rest: its cells are
// kept for the caller to show, but nothing about it is to be looked up or sounded.
std::vector<SongGrip> readSongGrips(const spreadsheet::Sheet& sheet);

}  // namespace songs
