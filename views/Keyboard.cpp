#include "Keyboard.h"

#include "keyboard/KeyboardGeometry.h"
#include "services/Twips.h"

namespace views {

using keyboard::Side;

Keyboard::Keyboard(QWidget* parent, const views::ButtonPictures& pictures) : pictures_(pictures) {
    for (int n = 1; n <= keyboard::TrebleButtonCount; ++n) {
        create(parent, Side::Treble, n);
    }
    for (int n = 1; n <= keyboard::BassButtonCount; ++n) {
        create(parent, Side::Bass, n);
    }
}

void Keyboard::create(QWidget* parent, Side side, int n) {
    const bool treble = side == Side::Treble;
    const keyboard::TwipPoint place =
        treble ? keyboard::trebleButtonPlace(n) : keyboard::bassButtonPlace(n);
    Pair& p = treble ? treble_[static_cast<size_t>(n - 1)] : bass_[static_cast<size_t>(n - 1)];
    p.button = new ClickablePicture(parent);
    p.button->setObjectName(treble ? QStringLiteral("Image%1").arg(n)
                                   : QStringLiteral("ImgBas(%1)").arg(n));
    p.button->setGeometry(
        services::twipRect(place.left, place.top, keyboard::ButtonWidth, keyboard::ButtonHeight));
    p.button->setPixmap(pictures_.bareButton());
    p.overlay = new ClickablePicture(parent);
    p.overlay->setObjectName(treble ? QStringLiteral("Obr(%1)").arg(n)
                                    : QStringLiteral("ObrBas(%1)").arg(n));
    p.overlay->setGeometry(
        services::twipRect(place.left, place.top, keyboard::OverlaySize, keyboard::OverlaySize));
    const int rest = treble ? keyboard::TrebleRestPicture : keyboard::BassRestPicture;
    p.overlay->setPicture(rest, pictures_.picture(rest));
    if (treble) {
        p.overlay->onClick = [this, n] { Obr_Click(n); };
        p.button->onClick = [this, n] { Image_Click(n); };
    } else {
        p.overlay->onClick = [this, n] { ObrBas_Click(n); };
        p.button->onClick = [this, n] { ImgBas_Click(n); };
    }
}

const Keyboard::Pair& Keyboard::pair(Side side, int button) const {
    checkButton(side, button);
    return side == Side::Treble ? treble_[static_cast<size_t>(button - 1)]
                                : bass_[static_cast<size_t>(button - 1)];
}

bool Keyboard::marked(Side side, int button) const {
    return pair(side, button).overlay->isHidden();
}

void Keyboard::setMarked(Side side, int button, bool marked) {
    pair(side, button).overlay->setHidden(marked);
}

void Keyboard::showPicture(Side side, int button, int pictureId) {
    pair(side, button).overlay->setPicture(pictureId, pictures_.picture(pictureId));
}

int Keyboard::shownPicture(Side side, int button) const {
    return pair(side, button).overlay->pictureId();
}

ClickablePicture* Keyboard::overlay(Side side, int button) const {
    return pair(side, button).overlay;
}

ClickablePicture* Keyboard::button(Side side, int button) const {
    return pair(side, button).button;
}

}  // namespace views
