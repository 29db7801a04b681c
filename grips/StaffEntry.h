#pragma once

#include <QString>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services
namespace tones {
class TuningSelection;
}

// A grip entered as notes: the notes on the staff, read from the lowest up and named with
// their sharps and flats, written into the current row with the direction word.
namespace grips {

class Navigation;
class StaffView;

class StaffEntry {
public:
    StaffEntry(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
               StaffView& staff, tones::TuningSelection& tuning, Navigation& navigation);

    void cmdTahNoty_Click();
    void cmdTlakNoty_Click();
    void WriteStaffNotes(const QString& direction);

private:
    bool writeNotes();

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    StaffView& staff_;
    tones::TuningSelection& tuning_;
    Navigation& navigation_;
};

}  // namespace grips
