#pragma once

#include <array>

class QLabel;

namespace views {
class StaffPictures;
}

namespace services {
struct SpreadsheetConnection;
}
namespace keyboard {
class Keyboard;
}

// The current grip as text (the lyrics around it, the treble and bass lines) and the rest
// state of the keyboard and staff pictures.
namespace songs {

struct GripTextControls {
    std::array<QLabel*, 5> lblSlabika{};
    QLabel* lblPopisD = nullptr;
    QLabel* lblTony = nullptr;
    QLabel* lblPopisB = nullptr;
    QLabel* lblBasy = nullptr;
};

class GripDisplay {
public:
    GripDisplay(const GripTextControls& controls, services::SpreadsheetConnection& connection,
                keyboard::Keyboard& keyboard, views::StaffPictures& staff);

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
    GripTextControls c_;
    services::SpreadsheetConnection& connection_;
    keyboard::Keyboard& keyboard_;
    views::StaffPictures& staff_;
};

}  // namespace songs
