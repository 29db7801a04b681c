#pragma once

#include <QString>

namespace services {
struct SpreadsheetConnection;
}
namespace spreadsheet {
class Application;
}

// Stepping through a song: first, previous, next, last, and previous or next shown as push or
// pull. The cursor stays in column B; the backward commands are off on the first grip.
namespace grips {

class GripDisplay;
class GripReader;
class SongControls;

class Navigation {
public:
    Navigation(services::SpreadsheetConnection& connection, SongControls& controls,
               GripDisplay& display, GripReader& reader);

    void cmdPrvni_Click();
    void cmdPredchozi_Click();
    // False on the sheet's last row, where the cursor stays and nothing new is shown.
    bool cmdDalsi_Click();
    void cmdPosledni_Click();
    void cmdDalsiTah_Click();
    void cmdDalsiTlak_Click();
    void cmdPredTah_Click();
    void cmdPredTlak_Click();
    // After a grip was written into the current row: the cursor moves to the next row, shown
    // when it holds a grip; on the sheet's last row it stays.
    void advanceAfterWriting();
    // The grip of sheet row `row`, as if stepped to.
    void showGrip(int row);
    // A beat of the playing song: the cursor on `row`, its grip shown by its own direction;
    // a row without a direction word shows only its text.
    void showBeat(int row);
    void EnableBackward() { setBackward(true); }
    void DisableBackward() { setBackward(false); }

private:
    spreadsheet::Application& songHost();
    void setBackward(bool enabled);
    void showCurrentRow();

    services::SpreadsheetConnection& connection_;
    SongControls& controls_;
    GripDisplay& display_;
    GripReader& reader_;
};

}  // namespace grips
