#pragma once

#include <cstdint>
#include <vector>

namespace melody {

// Where the right hand is while it holds a grip, on the main window's keyboard in twips: the
// centroid of the centres of the grip's buttons. For one button that is its centre; for a
// chord it is where the hand sits, so moving between chords costs what the hand travels.
struct HandPlace {
    double left = 0;
    double top = 0;
};
HandPlace handPlaceOf(const std::vector<int>& trebleButtons);

// The distance between two hand places, rounded to whole twips, so that equal movements add
// up to equal sums whatever order they come in.
std::int64_t handMovement(HandPlace from, HandPlace to);

}  // namespace melody
