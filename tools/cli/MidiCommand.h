#pragma once

#include "SongExport.h"

namespace tools {

// `mechik-cli midi SONG.xls OUT.mid [--tempo BPM]`: the song as a Standard MIDI File.
CommandResult midiCommand(const QStringList& args);

}  // namespace tools
