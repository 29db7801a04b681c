#pragma once

// The step button's colour: the bellows direction of the grip shown last, or at rest.
namespace grips {

enum class ShownDirection { Rest, Push, Pull };

class DirectionColour {
public:
    virtual ~DirectionColour() = default;
    virtual void showDirection(ShownDirection direction) = 0;
};

}  // namespace grips
