#include "KeyboardGeometry.h"

namespace keyboard {

TwipPoint trebleButtonPlace(int button) {
    if (button <= 12) {
        return {4200, 120 + 600 * (button - 1)};
    }
    if (button <= 24) {
        return {4800, 360 + 600 * (button - 13)};
    }
    return {5400, 120 + 600 * (button - 25)};
}

TwipPoint bassButtonPlace(int button) {
    if (button <= 6) {
        return {1680, 1680 + 600 * (button - 1)};
    }
    return {2280, 1920 + 600 * (button - 7)};
}

BassLabel bassLabel(int index) {
    // The numbers a player reads beside bass buttons 1..12.
    static const std::array<int, BassButtonCount> shown{3, 4, 1, 2, 11, 12, 5, 6, 7, 8, 9, 10};
    const int button = 12 - index;
    return {button, QString::number(shown[static_cast<size_t>(button - 1)])};
}

TwipPoint bassLabelPlace(int index) {
    const BassLabel label = bassLabel(index);
    const TwipPoint place = bassButtonPlace(label.button);
    return {label.button <= 6 ? 1320 : 2880, place.top + (ButtonHeight - BassLabelHeight) / 2};
}

int numberLabelLeft(int index) {
    return index <= 12 ? 6000 : 3840;
}

int numberLabelWidth(int index) {
    return index <= 12 ? 495 : 375;
}

Bar bar(int index) {
    static const std::array<Bar, BarCount> bars{{{5640, 120, 7695},
                                                 {5040, 360, 495},
                                                 {4440, 120, 1095},
                                                 {2520, 4320, 1095},
                                                 {1920, 4080, 1095},
                                                 {4440, 6120, 1095}}};
    return bars[static_cast<size_t>(index)];
}

}  // namespace keyboard
