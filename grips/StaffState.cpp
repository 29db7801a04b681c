#include "StaffState.h"

namespace grips {

int restTop(StaffSign sign) {
    switch (sign) {
        case StaffSign::Flat:
            return 7200;
        case StaffSign::Sharp:
            return 7240;
        case StaffSign::Note:
            break;
    }
    return 7340;
}

// Three notes in a row, two more in a row above between them.
tones::PicturePlace entryNoteRest(int index) {
    return index < 3 ? tones::PicturePlace{2640 + 120 * index, 5880}
                     : tones::PicturePlace{2715 + 120 * (index - 3), 5760};
}

tones::PicturePlace entryFlatRest(int index) {
    return {2280 - 90 * index, 5760};
}

tones::PicturePlace entrySharpRest(int index) {
    return {1680 - 90 * index, 5760};
}

StaffState::StaffState() {
    hideShownTones();
    putNotesBack();
    putAccidentalsBack();
}

StaffState::Shown& StaffState::at(StaffSign sign, int index) {
    return shown_[static_cast<std::size_t>(sign)][static_cast<std::size_t>(index)];
}

const StaffState::Shown& StaffState::at(StaffSign sign, int index) const {
    return shown_[static_cast<std::size_t>(sign)][static_cast<std::size_t>(index)];
}

bool StaffState::isShown(StaffSign sign, int index) const {
    return at(sign, index).shown;
}

int StaffState::shownTop(StaffSign sign, int index) const {
    return at(sign, index).top;
}

void StaffState::showAt(StaffSign sign, int index, int top) {
    at(sign, index) = {true, top};
}

void StaffState::hideShownTones() {
    for (StaffSign sign : {StaffSign::Note, StaffSign::Flat, StaffSign::Sharp}) {
        for (int i = 0; i < SlotCount; ++i) {
            at(sign, i) = {false, restTop(sign)};
        }
    }
}

void StaffState::putNotesBack() {
    for (int i = 0; i < SlotCount; ++i) {
        entryNoteTops_[static_cast<std::size_t>(i)] = entryNoteRest(i).top;
    }
}

void StaffState::putAccidentalsBack() {
    for (int i = 0; i < SlotCount; ++i) {
        entryFlats_[static_cast<std::size_t>(i)] = entryFlatRest(i);
        entrySharps_[static_cast<std::size_t>(i)] = entrySharpRest(i);
    }
}

int StaffState::entryNoteTop(int index) const {
    return entryNoteTops_[static_cast<std::size_t>(index)];
}

tones::PicturePlace StaffState::flat(int slot) const {
    return entryFlats_[static_cast<std::size_t>(slot)];
}

tones::PicturePlace StaffState::sharp(int slot) const {
    return entrySharps_[static_cast<std::size_t>(slot)];
}

}  // namespace grips
