#include "KeyboardView.h"

#include "services/VbError.h"

namespace keyboard {

namespace {

int restPicture(Side side) {
    return side == Side::Treble ? TrebleRestPicture : BassRestPicture;
}

}  // namespace

void KeyboardView::checkButton(Side side, int button) {
    const int count = side == Side::Treble ? TrebleButtonCount : BassButtonCount;
    if (button < 1 || button > count) {
        throw services::VbError{services::NoSuchControlArrayElement};
    }
}

bool KeyboardView::isMarked(Side side, int button) const {
    checkButton(side, button);
    return marked(side, button);
}

void KeyboardView::mark(Side side, int button) {
    checkButton(side, button);
    setMarked(side, button, true);
}

void KeyboardView::unmark(Side side, int button) {
    checkButton(side, button);
    setMarked(side, button, false);
}

void KeyboardView::release(Side side) {
    const int count = side == Side::Treble ? TrebleButtonCount : BassButtonCount;
    for (int n = 1; n <= count; ++n) {
        unmark(side, n);
        setPicture(side, n, restPicture(side));
    }
}

void KeyboardView::setPicture(Side side, int button, int pictureId) {
    checkButton(side, button);
    showPicture(side, button, pictureId);
}

int KeyboardView::pictureOf(Side side, int button) const {
    checkButton(side, button);
    return shownPicture(side, button);
}

KeyboardState::KeyboardState() {
    for (Button& button : treble_) {
        button.picture = TrebleRestPicture;
    }
    for (Button& button : bass_) {
        button.picture = BassRestPicture;
    }
}

KeyboardState::Button& KeyboardState::at(Side side, int button) {
    const auto index = static_cast<size_t>(button - 1);
    return side == Side::Treble ? treble_[index] : bass_[index];
}

const KeyboardState::Button& KeyboardState::at(Side side, int button) const {
    const auto index = static_cast<size_t>(button - 1);
    return side == Side::Treble ? treble_[index] : bass_[index];
}

bool KeyboardState::marked(Side side, int button) const {
    return at(side, button).marked;
}

void KeyboardState::setMarked(Side side, int button, bool marked) {
    at(side, button).marked = marked;
}

void KeyboardState::showPicture(Side side, int button, int pictureId) {
    at(side, button).picture = pictureId;
}

int KeyboardState::shownPicture(Side side, int button) const {
    return at(side, button).picture;
}

}  // namespace keyboard
