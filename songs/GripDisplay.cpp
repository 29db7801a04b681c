#include "GripDisplay.h"

#include "SongLayout.h"
#include "keyboard/Keyboard.h"
#include "services/SpreadsheetConnection.h"
#include "views/StaffPictures.h"

#include <QLabel>

namespace songs {

GripDisplay::GripDisplay(const GripTextControls& controls,
                         services::SpreadsheetConnection& connection, keyboard::Keyboard& keyboard,
                         views::StaffPictures& staff)
    : c_(controls), connection_(connection), keyboard_(keyboard), staff_(staff) {}

void GripDisplay::ShowGripText() {
    auto& host = *connection_.SpreadsheetApplication;
    const spreadsheet::Range grip = host.activeCell();
    const int row = grip.row();
    for (int k = 0; k < 5; ++k) {
        const int offset = k - 2;
        QLabel* label = c_.lblSlabika[static_cast<size_t>(k)];
        if (row + offset < 1 || row + offset > spreadsheet::MaxRows) {
            label->clear();
        } else {
            label->setText(grip.offset(offset, SyllableOffset).range(QStringLiteral("A1")).text());
        }
    }
    c_.lblPopisD->show();
    QString treble;
    for (int i = 0; i < TrebleLineCells; ++i) {
        treble += (i ? QStringLiteral(" ") : QString()) + grip.offset(0, i).text();
    }
    c_.lblTony->setText(treble);
    c_.lblPopisB->show();
    // M and N stand together; a blank before each of O to U.
    QString bass;
    for (int i = 0; i < BassLineCells; ++i) {
        bass += (i >= 2 ? QStringLiteral(" ") : QString()) + grip.offset(0, BassOffset + i).text();
    }
    c_.lblBasy->setText(bass);
}

void GripDisplay::ClearGripText() {
    for (QLabel* label : c_.lblSlabika) {
        label->clear();
    }
    c_.lblPopisD->hide();
    c_.lblTony->clear();
    c_.lblPopisB->hide();
    c_.lblBasy->clear();
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

}  // namespace songs
