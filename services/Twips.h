#pragma once

#include <QRect>

#include <cmath>

// Window positions are designed in twips; the screen has 15 twips to a pixel at 96 dpi.
namespace services {

inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / TwipsPerPixel));
}

inline QRect twipRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

}  // namespace services
