#pragma once

#include <QString>

namespace services {
class Dialogs;
}
namespace tunings {
class OpenTuningDatabase;
}

// "Importovat melodii...": a MIDI or MusicXML tune made into a new song in the tuning shown,
// with the fingering that needs the fewest bellows reversals, then opened at its first grip.
// The tune is read and solved before the name is asked, so that a tune that cannot be
// imported costs the player no existing song.
namespace grips {

class GripReader;
class SongFiles;

class SongImport {
public:
    SongImport(SongFiles& files, tunings::OpenTuningDatabase& database, GripReader& reader,
               services::Dialogs& dialogs);

    // `tuning`: the tuning the main window shows, the new song's.
    void mnuImportovat_Click(const QString& tuning);

private:
    SongFiles& files_;
    tunings::OpenTuningDatabase& database_;
    GripReader& reader_;
    services::Dialogs& dialogs_;
};

// What the player is told after the import: the song's grips and bellows reversals, and the
// shift when the tune had to be moved to fit the tuning.
QString importSummary(const QString& song, const QString& tuning, int gripCount, int reversals,
                      int shift);

}  // namespace grips
