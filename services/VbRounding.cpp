#include "VbRounding.h"

#include <cfenv>
#include <cmath>

namespace services {

int roundHalfEven(double value) {
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const auto rounded = static_cast<int>(std::nearbyint(value));
    std::fesetround(previous);
    return rounded;
}

}  // namespace services
