#pragma once

#include "KeyboardGeometry.h"

#include <array>

// The drawn keyboard as the grip logic sees it: which buttons are marked as pressed and which
// picture each overlay shows. The window draws it with widgets; the command line and tests keep
// it in plain numbers.
namespace keyboard {

enum class Side { Treble, Bass };

inline constexpr int TrebleRestPicture = 101;
inline constexpr int BassRestPicture = 107;

class KeyboardView {
public:
    virtual ~KeyboardView() = default;

    // A button number the keyboard does not have is error 340, as for a missing element of a
    // control array.
    bool isMarked(Side side, int button) const;
    void mark(Side side, int button);
    void unmark(Side side, int button);
    // Every button unmarked again with the rest picture (101 treble, 107 bass).
    void release(Side side);
    void setPicture(Side side, int button, int pictureId);
    int pictureOf(Side side, int button) const;

protected:
    // Error 340 for a button the keyboard does not have.
    static void checkButton(Side side, int button);
    // Called with buttons the keyboard has only.
    virtual bool marked(Side side, int button) const = 0;
    virtual void setMarked(Side side, int button, bool marked) = 0;
    virtual void showPicture(Side side, int button, int pictureId) = 0;
    virtual int shownPicture(Side side, int button) const = 0;
};

// The keyboard without drawing it: every button unmarked with its rest picture at first.
class KeyboardState : public KeyboardView {
public:
    KeyboardState();

protected:
    bool marked(Side side, int button) const override;
    void setMarked(Side side, int button, bool marked) override;
    void showPicture(Side side, int button, int pictureId) override;
    int shownPicture(Side side, int button) const override;

private:
    struct Button {
        bool marked = false;
        int picture = 0;
    };
    Button& at(Side side, int button);
    const Button& at(Side side, int button) const;

    std::array<Button, TrebleButtonCount> treble_{};
    std::array<Button, BassButtonCount> bass_{};
};

}  // namespace keyboard
