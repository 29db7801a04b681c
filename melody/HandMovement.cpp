#include "HandMovement.h"

#include "keyboard/KeyboardGeometry.h"

#include <cmath>

namespace melody {

HandPlace handPlaceOf(const std::vector<int>& trebleButtons) {
    HandPlace place;
    if (trebleButtons.empty()) {
        return place;
    }
    for (const int button : trebleButtons) {
        const keyboard::TwipPoint corner = keyboard::trebleButtonPlace(button);
        place.left += corner.left + keyboard::ButtonWidth / 2.0;
        place.top += corner.top + keyboard::ButtonHeight / 2.0;
    }
    place.left /= double(trebleButtons.size());
    place.top /= double(trebleButtons.size());
    return place;
}

std::int64_t handMovement(HandPlace from, HandPlace to) {
    return std::llround(std::hypot(to.left - from.left, to.top - from.top));
}

}  // namespace melody
