#pragma once

#include "tones/Bellows.h"

#include <QString>

#include <functional>

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

// Showing the current grip for a bellows direction: every tone of the row looked up in the
// song's tuning, its buttons coloured, its notes and signs drawn on the staff; the basses alike.
namespace grips {

class DirectionColour;
class GripDisplay;
class GripText;
class StaffView;

using tones::Bellows;

class GripReader {
public:
    GripReader(services::SpreadsheetConnection& connection, services::Dialogs& dialogs,
               keyboard::KeyboardView& keyboard, StaffView& staff, GripDisplay& display,
               GripText& text, DirectionColour& direction, tones::TuningSelection& tuning);

    void cmdReadTah_Click() { read(Bellows::Pull); }
    void cmdReadTlak_Click() { read(Bellows::Push); }
    void ReadTrebleTah() { readTreble(Bellows::Pull); }
    void ReadTrebleTlak() { readTreble(Bellows::Push); }
    void ReadBassTah() { readBass(Bellows::Pull); }
    void ReadBassTlak() { readBass(Bellows::Push); }

    // Shows the current row as its own direction word says and colours the step button by it;
    // false, changing nothing, for a row without a direction word.
    bool showByItsDirection();

    // After every grip the keyboard lit (Tlak, Tah, the steps that show, "?", the automatic
    // player, the grip shown after writing one): its row in the song, which is active again.
    std::function<void(int row)> onGripLit;

private:
    void read(Bellows bellows);
    void readTreble(Bellows bellows);
    void readBass(Bellows bellows);
    void walkTreble(Bellows bellows);
    void walkBass(Bellows bellows);
    bool showTone(Bellows bellows, const QString& tone, int& notes, int& accidentals);
    void markButtons(bool treble, Bellows bellows);
    void missing(const QString& title, const QString& text);

    services::SpreadsheetConnection& connection_;
    services::Dialogs& dialogs_;
    keyboard::KeyboardView& keyboard_;
    StaffView& staff_;
    GripDisplay& display_;
    GripText& text_;
    DirectionColour& direction_;
    tones::TuningSelection& tuning_;
};

}  // namespace grips
