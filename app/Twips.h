#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cmath>

// Window positions are designed in twips; the screen has 15 twips to a pixel at 96 dpi.
namespace app {

inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// Names a control and puts it where the design says.
template <typename T>
T* placeControl(T* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(twipRect(left, top, width, height));
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

}  // namespace app
