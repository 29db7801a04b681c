#include "DirectionButton.h"

#include "VbColour.h"

namespace views {

void DirectionButton::showDirection(grips::ShownDirection direction) {
    switch (direction) {
        case grips::ShownDirection::Push:
            setBackColour(cmdJakDal_, PushColour);
            return;
        case grips::ShownDirection::Pull:
            setBackColour(cmdJakDal_, PullColour);
            return;
        case grips::ShownDirection::Rest:
            setBackColour(cmdJakDal_, SystemInactiveBorder);
            return;
    }
}

}  // namespace views
