#pragma once

#include "ClickablePicture.h"
#include "keyboard/KeyboardView.h"
#include "views/ButtonPictures.h"

#include <array>

class QWidget;

// The 37 treble and 12 bass buttons of the drawn keyboard, each a picture under an overlay. A
// visible overlay means the button is not in the grip; a hidden one shows the bare button:
// marked as pressed. Nobody else touches these widgets.
namespace views {

class Keyboard : public keyboard::KeyboardView {
public:
    Keyboard(QWidget* parent, const views::ButtonPictures& pictures);

    // Clicks: on an overlay it marks the button, on the bare button it unmarks it.
    void Obr_Click(int index) { mark(keyboard::Side::Treble, index); }
    void Image_Click(int button) { unmark(keyboard::Side::Treble, button); }
    void ObrBas_Click(int index) { mark(keyboard::Side::Bass, index); }
    void ImgBas_Click(int index) { unmark(keyboard::Side::Bass, index); }

    // A button number the keyboard does not have is error 340.
    ClickablePicture* overlay(keyboard::Side side, int button) const;
    ClickablePicture* button(keyboard::Side side, int button) const;

protected:
    bool marked(keyboard::Side side, int button) const override;
    void setMarked(keyboard::Side side, int button, bool marked) override;
    void showPicture(keyboard::Side side, int button, int pictureId) override;
    int shownPicture(keyboard::Side side, int button) const override;

private:
    struct Pair {
        ClickablePicture* button = nullptr;
        ClickablePicture* overlay = nullptr;
    };
    const Pair& pair(keyboard::Side side, int button) const;
    void create(QWidget* parent, keyboard::Side side, int button);

    const views::ButtonPictures& pictures_;
    std::array<Pair, keyboard::TrebleButtonCount> treble_;
    std::array<Pair, keyboard::BassButtonCount> bass_;
};

}  // namespace views
