#pragma once

#include "SongGrips.h"

#include <QString>

#include <vector>

// A whole song made from grips, for features that create a song at once (melody import): the
// counterpart of readSongGrips.
namespace songs {

// One sheet named `tuning`, a grip per row from row 1 (syllable in A, treble tones packed from
// B, the direction word in I, basses from M), the cursor on the first grip (B1).
spreadsheet::Sheet songSheetOf(const QString& tuning, const std::vector<SongGrip>& grips);

// Writes that sheet as a new workbook to `path`: to a temporary file first, renamed over `path`
// only once complete. Throws SpreadsheetError 1004 when it cannot be written.
void writeSongFile(const QString& path, const QString& tuning, const std::vector<SongGrip>& grips);

}  // namespace songs
