#include "ClickablePicture.h"

#include <QMouseEvent>

namespace views {

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAttribute(Qt::WA_TranslucentBackground);
}

void ClickablePicture::setPicture(int id, const QPixmap& pixmap) {
    pictureId_ = id;
    setPixmap(pixmap);
}

void ClickablePicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onClick) {
        onClick();
        return;
    }
    QLabel::mousePressEvent(event);
}

}  // namespace views
