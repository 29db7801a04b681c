#pragma once

#include "tones/StaffAccidentals.h"

// The staff as the grip logic sees it: the five notes, flats and sharps that show a grip, each
// at a top in twips, and the entry notes the player drags onto it. The window draws it with
// widgets; the command line keeps the numbers.
namespace grips {

enum class StaffSign { Note, Flat, Sharp };

class StaffView : public tones::StaffAccidentals {
public:
    // The shown note, flat or sharp `index` (0..4): where it stands and, shown, where it goes.
    virtual int shownTop(StaffSign sign, int index) const = 0;
    virtual void showAt(StaffSign sign, int index, int top) = 0;

    // The rest places: shown tones hidden at their rest tops, the entry notes and the entry
    // sharps and flats in their rows beside the staff.
    virtual void hideShownTones() = 0;
    virtual void putNotesBack() = 0;
    virtual void putAccidentalsBack() = 0;

    // Where entry note `index` (0..4) stands.
    virtual int entryNoteTop(int index) const = 0;
};

}  // namespace grips
