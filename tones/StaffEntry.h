#pragma once

#include <QString>

namespace views {
class StaffPictures;
}

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services
namespace songs {
class Navigation;
}

// A grip entered as notes: the notes on the staff, read from the lowest up and named with
// their sharps and flats, written into the current row with the direction word.
namespace tones {

class TuningSelection;

class StaffEntry {
public:
    StaffEntry(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
               views::StaffPictures& staff, TuningSelection& tuning, songs::Navigation& navigation);

    void cmdTahNoty_Click();
    void cmdTlakNoty_Click();
    void WriteStaffNotes(const QString& direction);

private:
    bool writeNotes();

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    views::StaffPictures& staff_;
    TuningSelection& tuning_;
    songs::Navigation& navigation_;
};

}  // namespace tones
