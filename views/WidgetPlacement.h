#pragma once

#include "services/Twips.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <QWidget>

// Controls of the designed windows: placed in twips, captions fitted.
namespace views {

// Names a control and puts it where the design says.
template <typename T>
T* placeControl(T* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(services::twipRect(left, top, width, height));
    return widget;
}

// The designed widths were made for a narrower system font: a one-line caption that would be
// cut is set a little smaller instead (not below 6 points). `reserved` is taken by an
// indicator such as a radio button's circle.
inline void shrinkFontToFit(QWidget* widget, const QString& text, int reserved = 0) {
    QFont font = widget->font();
    while (font.pointSizeF() > 6 &&
           QFontMetrics(font).horizontalAdvance(text) > widget->width() - reserved) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    widget->setFont(font);
}

// The point size of the designed windows' captions.
inline void useDesignFont(QWidget* window) {
    QFont font = window->font();
    font.setPointSizeF(7);
    window->setFont(font);
}

}  // namespace views
