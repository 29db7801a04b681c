#include "ButtonPictures.h"

#include <QPainter>

namespace views {

namespace {

constexpr int Width = 40;
constexpr int Height = 38;

QPixmap drawButton(const QColor& fill, const QColor& rim) {
    QPixmap pixmap(Width, Height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(rim, 1.5));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(2.5, 1.5, Width - 5, Height - 3));
    return pixmap;
}

}  // namespace

QColor ButtonPictures::fillColour(int id) {
    switch ((id - 101) % 6) {
        case 0:
            return QColor(0x80, 0xFF, 0xFF);  // light cyan: at rest
        case 1:
            return QColor(0xFF, 0x00, 0x00);  // red
        case 2:
            return QColor(0x00, 0x00, 0xFF);  // blue: pull, first button
        case 3:
            return QColor(0x80, 0x80, 0xFF);  // light blue: pull, further buttons
        case 4:
            return QColor(0x80, 0x00, 0x80);  // purple: push, first button
        default:
            return QColor(0xFF, 0x00, 0xFF);  // magenta: push, further buttons
    }
}

ButtonPictures::ButtonPictures() {
    for (int id = 101; id <= 112; ++id) {
        pictures_[id] = drawButton(fillColour(id), QColor(0x30, 0x30, 0x30));
    }
    // A marked button shows bare: amber, so the grip being entered stands out.
    bare_ = drawButton(QColor(0xFF, 0xC0, 0x20), QColor(0x60, 0x30, 0x00));
}

const QPixmap& ButtonPictures::picture(int id) const {
    return pictures_.at(id);
}

}  // namespace views
