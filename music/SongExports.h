#pragma once

#include "PluginLibrary.h"
#include "SongScore.h"
#include "Tablature.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services
namespace spreadsheet {
class FileChooser;
}

// The open song saved as MIDI, WAV and PDF, each in a file the player chooses (the working
// folder and the song's name proposed), and its tablature for printing.
namespace music {

class PrintPlugin;
class SoundSupply;

class SongExports {
public:
    SongExports(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                spreadsheet::FileChooser* chooser, SoundSupply& supply);
    ~SongExports();

    void saveMidi(double bpm);
    void saveWav(double bpm);
    void savePdf(keyboard::InstrumentModel model, keyboard::Numbering numbering);

    // The open song as printed; nothing, after the display's message, when its sheet names no
    // tuning of the database.
    std::optional<Tablature> tablature(keyboard::InstrumentModel model,
                                       keyboard::Numbering numbering);
    // Loaded when first wanted; none, after a message saying why, when it cannot be loaded.
    PrintPlugin* printPlugin();

    // Where the print plugin is looked for.
    QStringList pluginFolders = music::pluginFolders();
    // A sound file beside the song may have appeared: its button is to be shown.
    std::function<void()> onSoundFileSaved;
    // Runs work that takes a while (rendering a WAV file) with the window showing it is busy.
    std::function<void(const std::function<void()>&)> whileBusy;

private:
    std::optional<QString> chooseTarget(const QString& kind, const QString& extension);
    bool hasGrips(const SongScore& score);
    // Runs `write`; false after a message saying why the file was not written.
    bool written(const std::function<void()>& write);
    void tellSkipped(const SongScore& score, const QString& path);

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    spreadsheet::FileChooser* chooser_;
    SoundSupply& supply_;
    std::unique_ptr<PrintPlugin> printPlugin_;
};

}  // namespace music
