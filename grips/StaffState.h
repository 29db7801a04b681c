#pragma once

#include "StaffView.h"

#include <array>
#include <cstddef>

// The staff's pictures as numbers: where each stands at rest, and the staff kept without
// drawing it.
namespace grips {

// The shown note, flat or sharp hidden at rest: its top.
int restTop(StaffSign sign);
// The entry pictures' rest places in their rows beside the staff.
tones::PicturePlace entryNoteRest(int index);
tones::PicturePlace entryFlatRest(int index);
tones::PicturePlace entrySharpRest(int index);

class StaffState : public StaffView {
public:
    StaffState();

    bool isShown(StaffSign sign, int index) const;

    int shownTop(StaffSign sign, int index) const override;
    void showAt(StaffSign sign, int index, int top) override;
    void hideShownTones() override;
    void putNotesBack() override;
    void putAccidentalsBack() override;
    int entryNoteTop(int index) const override;
    tones::PicturePlace flat(int slot) const override;
    tones::PicturePlace sharp(int slot) const override;

private:
    struct Shown {
        bool shown = false;
        int top = 0;
    };
    Shown& at(StaffSign sign, int index);
    const Shown& at(StaffSign sign, int index) const;

    std::array<std::array<Shown, SlotCount>, 3> shown_{};
    std::array<int, SlotCount> entryNoteTops_{};
    std::array<tones::PicturePlace, SlotCount> entryFlats_{};
    std::array<tones::PicturePlace, SlotCount> entrySharps_{};
};

}  // namespace grips
