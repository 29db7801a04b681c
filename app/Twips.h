#pragma once

#include <QRect>
#include <QString>

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

}  // namespace app
