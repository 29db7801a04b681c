#include "GripDisplay.h"

#include "GripText.h"
#include "StaffView.h"
#include "keyboard/KeyboardView.h"
#include "services/SpreadsheetConnection.h"
#include "songs/SongLayout.h"

namespace grips {

GripDisplay::GripDisplay(GripText& text, services::SpreadsheetConnection& connection,
                         keyboard::KeyboardView& keyboard, StaffView& staff)
    : text_(text), connection_(connection), keyboard_(keyboard), staff_(staff) {}

void GripDisplay::ShowGripText() {
    auto& host = *connection_.SpreadsheetApplication;
    const spreadsheet::Range grip = host.activeCell();
    const int row = grip.row();
    for (int k = 0; k < GripText::SyllableCount; ++k) {
        const int offset = k - 2;
        if (row + offset < 1 || row + offset > spreadsheet::MaxRows) {
            text_.showSyllable(k, QString());
        } else {
            text_.showSyllable(
                k, grip.offset(offset, songs::SyllableOffset).range(QStringLiteral("A1")).text());
        }
    }
    text_.showCaptions(true);
    QString treble;
    for (int i = 0; i < songs::TrebleLineCells; ++i) {
        treble += (i ? QStringLiteral(" ") : QString()) + grip.offset(0, i).text();
    }
    text_.showTrebleLine(treble);
    // M and N stand together; a blank before each of O to U.
    QString bass;
    for (int i = 0; i < songs::BassLineCells; ++i) {
        bass += (i >= 2 ? QStringLiteral(" ") : QString()) +
                grip.offset(0, songs::BassOffset + i).text();
    }
    text_.showBassLine(bass);
}

void GripDisplay::ClearGripText() {
    for (int k = 0; k < GripText::SyllableCount; ++k) {
        text_.showSyllable(k, QString());
    }
    text_.showCaptions(false);
    text_.showTrebleLine(QString());
    text_.showBassLine(QString());
}

void GripDisplay::ReleaseTreble() {
    keyboard_.release(keyboard::Side::Treble);
    staff_.hideShownTones();
}

void GripDisplay::ReleaseBass() {
    keyboard_.release(keyboard::Side::Bass);
}

void GripDisplay::cmdUvolNoty_Click() {
    staff_.putNotesBack();
}

void GripDisplay::ReleaseAccidentals() {
    staff_.putAccidentalsBack();
}

}  // namespace grips
