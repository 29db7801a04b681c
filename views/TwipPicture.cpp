#include "TwipPicture.h"

#include "services/Twips.h"

#include <QMouseEvent>

namespace views {

TwipPicture::TwipPicture(QWidget* parent, const QPixmap& pixmap, int widthTwips, int heightTwips)
    : QLabel(parent), widthTwips_(widthTwips), heightTwips_(heightTwips) {
    setPixmap(pixmap);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
}

void TwipPicture::moveTo(int leftTwips, int topTwips) {
    left_ = leftTwips;
    top_ = topTwips;
    setGeometry(services::twipRect(leftTwips, topTwips, widthTwips_, heightTwips_));
}

void TwipPicture::drop(int leftTwips, int topTwips) {
    moveTo(leftTwips, topTwips);
    if (onDropped) {
        onDropped(leftTwips, topTwips);
    }
}

void TwipPicture::mousePressEvent(QMouseEvent* event) {
    if (!onDropped || event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    dragging_ = true;
    grabOffset_ = event->position().toPoint();
    raise();
}

void TwipPicture::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_) {
        move(mapToParent(event->position().toPoint()) - grabOffset_);
    }
}

void TwipPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_ || event->button() != Qt::LeftButton) {
        return;
    }
    dragging_ = false;
    drop(x() * services::TwipsPerPixel, y() * services::TwipsPerPixel);
}

}  // namespace views
