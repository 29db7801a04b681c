#pragma once

#include <QString>

class QLabel;
class QPushButton;

namespace app {
class Dialogs;
class StaffPictures;
struct SpreadsheetConnection;
}  // namespace app
namespace songs {
class GripDisplay;
class Navigation;
}  // namespace songs

// A grip entered as notes: the notes on the staff, read from the lowest up and named with
// their sharps and flats, written into the current row with the direction word.
namespace tones {

class GripReader;
class TuningSelection;

class StaffEntry {
public:
    StaffEntry(app::SpreadsheetConnection& connection, app::Dialogs& dialogs,
               app::StaffPictures& staff, TuningSelection& tuning, GripReader& reader,
               songs::GripDisplay& display, songs::Navigation& navigation, QLabel* lblTon);

    void cmdTahNoty_Click();
    void cmdTlakNoty_Click();
    void WriteStaffNotes(const QString& direction);

private:
    bool writeNotes();

    app::SpreadsheetConnection& connection_;
    app::Dialogs& dialogs_;
    app::StaffPictures& staff_;
    TuningSelection& tuning_;
    GripReader& reader_;
    songs::GripDisplay& display_;
    songs::Navigation& navigation_;
    QLabel* lblTon_;
};

}  // namespace tones
