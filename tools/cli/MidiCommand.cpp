#include "MidiCommand.h"

#include "music/MidiFile.h"

namespace tools {

CommandResult midiCommand(const QStringList& args) {
    return exportSong(args, [](const QString& out, const music::SongScore& score, double bpm) {
        music::writeMidiFile(out, score, bpm);
    });
}

}  // namespace tools
