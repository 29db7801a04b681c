#pragma once

namespace services {

// Half-way values go to the even neighbour, as the old program's conversions rounded.
int roundHalfEven(double value);

}  // namespace services
