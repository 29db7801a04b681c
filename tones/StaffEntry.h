#pragma once

#include <QString>

namespace app {
class Dialogs;
class StaffPictures;
struct SpreadsheetConnection;
}  // namespace app
namespace songs {
class Navigation;
}

// A grip entered as notes: the notes on the staff, read from the lowest up and named with
// their sharps and flats, written into the current row with the direction word.
namespace tones {

class TuningSelection;

class StaffEntry {
public:
    StaffEntry(app::SpreadsheetConnection& connection, app::Dialogs& dialogs,
               app::StaffPictures& staff, TuningSelection& tuning, songs::Navigation& navigation);

    void cmdTahNoty_Click();
    void cmdTlakNoty_Click();
    void WriteStaffNotes(const QString& direction);

private:
    bool writeNotes();

    app::SpreadsheetConnection& connection_;
    app::Dialogs& dialogs_;
    app::StaffPictures& staff_;
    TuningSelection& tuning_;
    songs::Navigation& navigation_;
};

}  // namespace tones
