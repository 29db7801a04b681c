#pragma once

#include <QString>

#include <vector>

class QLabel;
class QPushButton;

namespace app {
class Dialogs;
struct SpreadsheetConnection;
}  // namespace app
namespace songs {
class GripDisplay;
class Navigation;
}  // namespace songs
namespace tones {
class GripReader;
class TuningSelection;
}  // namespace tones

// Writing the grip marked on the keyboard into the current row: the tone of every marked
// button for the chosen bellows direction, copied from the song's tuning, and the direction
// word; then the cursor moves on and the next grip, if there is one, is shown.
namespace keyboard {

class Keyboard;

class Recording {
public:
    Recording(app::SpreadsheetConnection& connection, app::Dialogs& dialogs, Keyboard& keyboard,
              tones::TuningSelection& tuning, tones::GripReader& reader,
              songs::GripDisplay& display, songs::Navigation& navigation, QLabel* lblTon);

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
    std::vector<QString> rowBefore();
    void restoreRow(const std::vector<QString>& cells);
    void showNextGrip();

    app::SpreadsheetConnection& connection_;
    app::Dialogs& dialogs_;
    Keyboard& keyboard_;
    tones::TuningSelection& tuning_;
    tones::GripReader& reader_;
    songs::GripDisplay& display_;
    songs::Navigation& navigation_;
    QLabel* lblTon_;
    bool RecordPush = true;
};

}  // namespace keyboard
