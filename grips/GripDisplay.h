#pragma once

namespace services {
struct SpreadsheetConnection;
}
namespace keyboard {
class KeyboardView;
}

// The current grip as text (the lyrics around it, the treble and bass lines) and the rest
// state of the keyboard and staff pictures.
namespace grips {

class GripText;
class StaffView;

class GripDisplay {
public:
    GripDisplay(GripText& text, services::SpreadsheetConnection& connection,
                keyboard::KeyboardView& keyboard, StaffView& staff);

    // The texts of the grip row of the active cell, which the caller has put in column B.
    void ShowGripText();
    void ClearGripText();
    void ReleaseTreble();
    void ReleaseBass();
    void ReleaseAccidentals();
    void cmdUvolNoty_Click();

    void cmdUvolDiskant_Click() { ReleaseTreble(); }
    void cmdUvolBasy_Click() { ReleaseBass(); }
    void cmdUvolKnofl_Click() {
        ReleaseTreble();
        ReleaseBass();
    }
    void cmdUvolniPultony_Click() { ReleaseAccidentals(); }
    void mnuUvolnitVse_Click() {
        ReleaseBass();
        ReleaseTreble();
        cmdUvolNoty_Click();
        ReleaseAccidentals();
    }

private:
    GripText& text_;
    services::SpreadsheetConnection& connection_;
    keyboard::KeyboardView& keyboard_;
    StaffView& staff_;
};

}  // namespace grips
