#include "Navigation.h"

#include "GripDisplay.h"
#include "GripReader.h"
#include "SongControls.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongGrips.h"
#include "songs/SongLayout.h"

namespace grips {

using songs::SelectGripCell;

Navigation::Navigation(services::SpreadsheetConnection& connection, SongControls& controls,
                       GripDisplay& display, GripReader& reader)
    : connection_(connection), controls_(controls), display_(display), reader_(reader) {}

void Navigation::setBackward(bool enabled) {
    controls_.enableBackward(enabled);
}

// Song commands work on the song sheet, whichever workbook the player last clicked in the
// sheet window.
spreadsheet::Application& Navigation::songHost() {
    auto& host = *connection_.SpreadsheetApplication;
    host.activateWindow(connection_.SongWorkbookName);
    return host;
}

void Navigation::showCurrentRow() {
    controls_.showRow(QString::number(connection_.SpreadsheetApplication->activeCell().row()));
    display_.ShowGripText();
}

void Navigation::cmdPrvni_Click() {
    auto& host = songHost();
    display_.ReleaseTreble();
    display_.ReleaseBass();
    host.range(QStringLiteral("B1")).select();
    DisableBackward();
    showCurrentRow();
}

void Navigation::showGrip(int row) {
    auto& host = songHost();
    display_.ReleaseTreble();
    display_.ReleaseBass();
    host.range(QStringLiteral("B%1").arg(row)).select();
    showCurrentRow();
    setBackward(row != 1);
}

void Navigation::cmdPredchozi_Click() {
    auto& host = songHost();
    display_.ReleaseTreble();
    display_.ReleaseBass();
    SelectGripCell(host);
    if (host.activeCell().address() == QStringLiteral("$B$1")) {
        DisableBackward();
        return;
    }
    host.activeCell().offset(-1, 0).select();
    showCurrentRow();
    if (host.activeCell().row() == 1) {
        DisableBackward();
    }
}

bool Navigation::cmdDalsi_Click() {
    auto& host = songHost();
    display_.ReleaseTreble();
    display_.ReleaseBass();
    SelectGripCell(host);
    // The sheet ends at its last row: there is no next grip to show.
    if (host.activeCell().row() == spreadsheet::MaxRows) {
        return false;
    }
    host.activeCell().offset(1, 0).select();
    showCurrentRow();
    EnableBackward();
    return true;
}

// The song's last grip: its last row with a direction word, however many grips it has and
// whatever rows without one (bass-only grips have one) lie inside it.
void Navigation::cmdPosledni_Click() {
    auto& host = songHost();
    display_.ReleaseTreble();
    display_.ReleaseBass();
    const int last = songs::lastGripRow(*host.activeSheet().contents());
    if (last == 0) {
        host.range(QStringLiteral("B1")).select();
        DisableBackward();
        return;
    }
    host.range(QStringLiteral("B%1").arg(last)).select();
    showCurrentRow();
    setBackward(last != 1);
}

void Navigation::cmdDalsiTah_Click() {
    if (cmdDalsi_Click()) {
        reader_.cmdReadTah_Click();
    }
}

void Navigation::cmdDalsiTlak_Click() {
    if (cmdDalsi_Click()) {
        reader_.cmdReadTlak_Click();
    }
}

void Navigation::advanceAfterWriting() {
    auto& host = *connection_.SpreadsheetApplication;
    if (host.activeCell().row() < spreadsheet::MaxRows) {
        host.activeCell().offset(1, 0).select();
        controls_.showRow(QString::number(host.activeCell().row()));
        reader_.showByItsDirection();
    }
    SelectGripCell(host);
    display_.ShowGripText();
    EnableBackward();
}

void Navigation::showBeat(int row) {
    auto& host = songHost();
    display_.ReleaseTreble();
    display_.ReleaseBass();
    host.range(QStringLiteral("B%1").arg(row)).select();
    showCurrentRow();
    setBackward(row > 1);
    reader_.showByItsDirection();
}

void Navigation::cmdPredTah_Click() {
    cmdPredchozi_Click();
    reader_.cmdReadTah_Click();
}

void Navigation::cmdPredTlak_Click() {
    cmdPredchozi_Click();
    reader_.cmdReadTlak_Click();
}

}  // namespace grips
