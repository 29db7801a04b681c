#include "WavCommand.h"

#include "music/SoundPluginLoader.h"
#include "music/WavFile.h"
#include "spreadsheet/AtomicFile.h"

namespace tools {

CommandResult wavCommand(const QStringList& args) {
    return exportSong(args, [](const QString& out, const music::SongScore& score, double bpm) {
        const auto loading = music::loadSoundPlugin();
        if (!loading.plugin) {
            throw spreadsheet::cannotSave(out, loading.failure);
        }
        music::writeWavFile(out, score, bpm, *loading.plugin);
    });
}

}  // namespace tools
