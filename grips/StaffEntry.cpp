#include "StaffEntry.h"

#include "Navigation.h"
#include "StaffView.h"
#include "services/CommonMessages.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongLayout.h"
#include "spreadsheet/SpreadsheetError.h"
#include "tones/TuningSelection.h"
#include "tones/clsNoty.h"

namespace grips {

StaffEntry::StaffEntry(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
                       StaffView& staff, tones::TuningSelection& tuning, Navigation& navigation)
    : connection_(connection),
      dialogs_(dialogs),
      staff_(staff),
      tuning_(tuning),
      navigation_(navigation) {}

void StaffEntry::cmdTahNoty_Click() {
    WriteStaffNotes(songs::Pull);
}

void StaffEntry::cmdTlakNoty_Click() {
    WriteStaffNotes(songs::Push);
}

void StaffEntry::WriteStaffNotes(const QString& direction) {
    auto& host = *connection_.SpreadsheetApplication;
    try {
        host.activateWindow(connection_.SongWorkbookName);
        songs::SelectGripCell(host);
        if (!tuning_.SelectSongTuning()) {
            return;
        }
        host.activeCell().range(QStringLiteral("A1:H1")).clearContents();
        if (!writeNotes()) {
            songs::SelectGripCell(host);  // on the row still, for the corrected notes
            return;
        }
        songs::SelectGripCell(host);
        host.activeCell()
            .offset(0, songs::DirectionOffset)
            .setValue(spreadsheet::CellValue(direction));
        navigation_.advanceAfterWriting();
    } catch (const spreadsheet::SpreadsheetError& error) {
        services::showUnexpectedError(dialogs_, error.number());
    }
}

// From the lowest staff position up: each position with a note gives one tone. False when a
// note cannot be named: the row keeps the tones written so far and gets no direction word.
bool StaffEntry::writeNotes() {
    auto& host = *connection_.SpreadsheetApplication;
    tones::clsNoty noty(dialogs_);
    for (int top = 7340; top >= 5420; top -= 60) {
        bool placed = false;
        for (int i = 0; i < tones::StaffAccidentals::SlotCount; ++i) {
            placed = placed || staff_.entryNoteTop(i) == top;
        }
        if (!placed) {
            continue;
        }
        const QString name = noty.StaffNoteName(top, staff_);
        if (name.isEmpty()) {
            return false;
        }
        host.activateWindow(connection_.SongWorkbookName);
        host.activeCell().setValue(spreadsheet::CellValue(name));
        host.activeCell().offset(0, 1).select();
    }
    return true;
}

}  // namespace grips
