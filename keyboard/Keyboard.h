#pragma once

#include "ButtonPictures.h"
#include "ClickablePicture.h"

#include <array>

class QWidget;

// The 37 treble and 12 bass buttons of the drawn keyboard, each a picture under an overlay. A
// visible overlay means the button is not in the grip; a hidden one shows the bare button:
// marked as pressed. Nobody else touches these widgets.
namespace keyboard {

enum class Side { Treble, Bass };

class Keyboard {
public:
    Keyboard(QWidget* parent, const ButtonPictures& pictures);

    // A button number the keyboard does not have is error 340, as for a missing element of a
    // control array.
    bool isMarked(Side side, int button) const;
    void mark(Side side, int button);
    void unmark(Side side, int button);
    // Every overlay visible again with the rest picture (101 treble, 107 bass).
    void release(Side side);
    void setPicture(Side side, int button, int pictureId);
    int pictureOf(Side side, int button) const;

    // Clicks: on an overlay it marks the button, on the bare button it unmarks it.
    void Obr_Click(int index) { mark(Side::Treble, index); }
    void Image_Click(int button) { unmark(Side::Treble, button); }
    void ObrBas_Click(int index) { mark(Side::Bass, index); }
    void ImgBas_Click(int index) { unmark(Side::Bass, index); }

    ClickablePicture* overlay(Side side, int button) const;
    ClickablePicture* button(Side side, int button) const;

private:
    struct Pair {
        ClickablePicture* button = nullptr;
        ClickablePicture* overlay = nullptr;
    };
    Pair& pair(Side side, int button);
    const Pair& pair(Side side, int button) const;
    void create(QWidget* parent, Side side, int button);

    const ButtonPictures& pictures_;
    std::array<Pair, 37> treble_;
    std::array<Pair, 12> bass_;
};

}  // namespace keyboard
