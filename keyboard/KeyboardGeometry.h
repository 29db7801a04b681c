#pragma once

#include <QRect>
#include <QString>

#include <array>

// Where the drawn keyboard's parts lie on the main window, in twips.
namespace keyboard {

inline constexpr int TrebleButtonCount = 37;
inline constexpr int BassButtonCount = 12;
inline constexpr int NumberLabelCount = 25;  // lblCisKnofl(0..24)
inline constexpr int BarCount = 6;           // cmdZabrana(0..5)

inline constexpr int ButtonWidth = 600;
inline constexpr int ButtonHeight = 570;
inline constexpr int OverlaySize = 615;

struct TwipPoint {
    int left;
    int top;
};

// Image1..Image12 inner column, Image13..Image24 middle, Image25..Image37 outer.
TwipPoint trebleButtonPlace(int button);
// ImgBas(1..6) outer bass column, ImgBas(7..12) inner.
TwipPoint bassButtonPlace(int button);

// lblCisBas(index): fixed captions; label 11 down to 6 beside bass buttons 1..6, 5 down to 0
// beside buttons 7..12.
struct BassLabel {
    int button;
    QString caption;
};
BassLabel bassLabel(int index);
TwipPoint bassLabelPlace(int index);
inline constexpr int BassLabelWidth = 375;
inline constexpr int BassLabelHeight = 255;

// lblCisKnofl: 0..12 beside the outer column, 13..24 beside the inner.
int numberLabelLeft(int index);
int numberLabelWidth(int index);
inline constexpr int NumberLabelHeight = 255;

struct Bar {
    int left;
    int top;
    int designedHeight;
};
Bar bar(int index);
inline constexpr int BarWidth = 135;

}  // namespace keyboard
