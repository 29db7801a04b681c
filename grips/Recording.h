#pragma once

#include "keyboard/ButtonNumbering.h"
#include "spreadsheet/CellValue.h"

#include <QString>

#include <functional>
#include <vector>

namespace services {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace services
namespace keyboard {
class KeyboardView;
}
namespace tones {
class TuningSelection;
}

// Writing the grip marked on the keyboard into the current row: the tone of every marked
// button for the chosen bellows direction, copied from the song's tuning, and the direction
// word; then the cursor moves on and the next grip, if there is one, is shown.
namespace grips {

class Navigation;

class Recording {
public:
    // `numbering` gives the numbering in use, by which messages name the buttons.
    Recording(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
              keyboard::KeyboardView& keyboard, tones::TuningSelection& tuning,
              Navigation& navigation, std::function<keyboard::Numbering()> numbering);

    void cmdTlak_Click();
    void cmdTah_Click();
    void RecordGrip();
    // True when at least one bass tone was written.
    bool RecordBassGrip();

private:
    struct MissingButton {
        QString text;
    };
    int writeButtons(bool treble);
    QString toneOfButton(bool treble, int button);
    QString buttonName(bool treble, int button) const;
    std::vector<spreadsheet::CellValue> rowBefore();
    void restoreRow(const std::vector<spreadsheet::CellValue>& cells);

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    keyboard::KeyboardView& keyboard_;
    tones::TuningSelection& tuning_;
    Navigation& navigation_;
    std::function<keyboard::Numbering()> numbering_;
    bool RecordPush = true;
};

}  // namespace grips
