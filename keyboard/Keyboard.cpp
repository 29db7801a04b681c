#include "Keyboard.h"

#include "KeyboardGeometry.h"
#include "services/Twips.h"
#include "services/VbError.h"

namespace keyboard {

Keyboard::Keyboard(QWidget* parent, const ButtonPictures& pictures) : pictures_(pictures) {
    for (int n = 1; n <= TrebleButtonCount; ++n) {
        create(parent, Side::Treble, n);
    }
    for (int n = 1; n <= BassButtonCount; ++n) {
        create(parent, Side::Bass, n);
    }
}

void Keyboard::create(QWidget* parent, Side side, int n) {
    const bool treble = side == Side::Treble;
    const TwipPoint place = treble ? trebleButtonPlace(n) : bassButtonPlace(n);
    Pair& p = pair(side, n);
    p.button = new ClickablePicture(parent);
    p.button->setObjectName(treble ? QStringLiteral("Image%1").arg(n)
                                   : QStringLiteral("ImgBas(%1)").arg(n));
    p.button->setGeometry(services::twipRect(place.left, place.top, ButtonWidth, ButtonHeight));
    p.button->setPixmap(pictures_.bareButton());
    p.overlay = new ClickablePicture(parent);
    p.overlay->setObjectName(treble ? QStringLiteral("Obr(%1)").arg(n)
                                    : QStringLiteral("ObrBas(%1)").arg(n));
    p.overlay->setGeometry(services::twipRect(place.left, place.top, OverlaySize, OverlaySize));
    p.overlay->setPicture(treble ? TrebleRestPicture : BassRestPicture,
                          pictures_.picture(treble ? TrebleRestPicture : BassRestPicture));
    if (treble) {
        p.overlay->onClick = [this, n] { Obr_Click(n); };
        p.button->onClick = [this, n] { Image_Click(n); };
    } else {
        p.overlay->onClick = [this, n] { ObrBas_Click(n); };
        p.button->onClick = [this, n] { ImgBas_Click(n); };
    }
}

Keyboard::Pair& Keyboard::pair(Side side, int button) {
    return const_cast<Pair&>(static_cast<const Keyboard*>(this)->pair(side, button));
}

const Keyboard::Pair& Keyboard::pair(Side side, int button) const {
    const int count = side == Side::Treble ? TrebleButtonCount : BassButtonCount;
    if (button < 1 || button > count) {
        throw services::VbError{services::NoSuchControlArrayElement};
    }
    return side == Side::Treble ? treble_[static_cast<size_t>(button - 1)]
                                : bass_[static_cast<size_t>(button - 1)];
}

bool Keyboard::isMarked(Side side, int button) const {
    return pair(side, button).overlay->isHidden();
}

void Keyboard::mark(Side side, int button) {
    pair(side, button).overlay->hide();
}

void Keyboard::unmark(Side side, int button) {
    pair(side, button).overlay->show();
}

void Keyboard::release(Side side) {
    const bool treble = side == Side::Treble;
    const int rest = treble ? TrebleRestPicture : BassRestPicture;
    for (int n = 1; n <= (treble ? TrebleButtonCount : BassButtonCount); ++n) {
        unmark(side, n);
        setPicture(side, n, rest);
    }
}

void Keyboard::setPicture(Side side, int button, int pictureId) {
    pair(side, button).overlay->setPicture(pictureId, pictures_.picture(pictureId));
}

int Keyboard::pictureOf(Side side, int button) const {
    return pair(side, button).overlay->pictureId();
}

ClickablePicture* Keyboard::overlay(Side side, int button) const {
    return pair(side, button).overlay;
}

ClickablePicture* Keyboard::button(Side side, int button) const {
    return pair(side, button).button;
}

}  // namespace keyboard
