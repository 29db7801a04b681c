#pragma once

#include "SongExport.h"

namespace tools {

// `mechik-cli wav SONG.xls OUT.wav [--tempo BPM]`: the song rendered by the sound plugin,
// which is loaded only for this command.
CommandResult wavCommand(const QStringList& args);

}  // namespace tools
