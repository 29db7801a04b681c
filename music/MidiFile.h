#pragma once

#include "SongScore.h"

#include <QByteArray>
#include <QString>

// The song as a Standard MIDI File, for any sequencer and for the program's own "Midi" sound.
namespace music {

// Format 1, 480 ticks per quarter note. Track 0: the song's name (UTF-8) and tempo; track 1:
// the treble on channel 1, velocity 100; track 2: the basses on channel 2, velocity 80. Both
// play the General MIDI accordion; every track ends where the song's last grip ends.
QByteArray midiFileBytes(const SongScore& score, double bpm);

// Written whole or not at all; throws spreadsheet::SpreadsheetError saying why it failed.
void writeMidiFile(const QString& path, const SongScore& score, double bpm);

}  // namespace music
