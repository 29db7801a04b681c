#pragma once

#include "TuningDatabase.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace services {
struct SpreadsheetConnection;
}
namespace spreadsheet {
class Workbook;
}
namespace tones {
class TuningTable;
}

// The tuning database the running program holds open in its spreadsheet host, changed as a
// file by TuningDatabase. The host's copy and the file must agree: the host's own unsaved
// changes (cells edited in the sheet window) are written before the file is read, and the host
// opens the file again after each change, so that no later save of its copy (a pick in the
// tuning list) writes an older database over the change.
namespace tunings {

class OpenTuningDatabase {
public:
    explicit OpenTuningDatabase(services::SpreadsheetConnection& connection);

    // The database as its file holds it, the host's unsaved changes included. The current
    // tuning stays the one the file names: a sheet the host selected only to look a song's
    // tones up does not replace it. Throws SpreadsheetError (1004: the file cannot be read or
    // written; 9, 91: the host has no tuning database open).
    TuningDatabase read();
    // After a change was written: the host's copy replaced by the file, the song's window
    // active again when a song is open.
    void reload();

    // The tunings as the program uses them now (the host's copy), in order.
    QStringList names() const;
    // A tuning as the program uses it now (the host's copy); nothing when there is none of
    // that name.
    std::optional<tones::TuningTable> tuning(const QString& name) const;
    // The tuning of the open song (its sheet's name), empty when no song is open: a song finds
    // its tuning by name, so that one must keep it.
    QString openSongTuning() const;

private:
    QString path() const;
    std::shared_ptr<spreadsheet::Workbook> copy() const;  // null when the host has none
    bool songIsOpen() const;
    void backToSong(bool songOpen);

    services::SpreadsheetConnection& connection_;
};

}  // namespace tunings
