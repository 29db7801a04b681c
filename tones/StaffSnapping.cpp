#include "StaffSnapping.h"

#include "services/VbRounding.h"

namespace tones {

namespace {

struct Rule {
    int offset;  // added to the multiple of 60: the note head lies 40 below a note's Top
    int staffLeft;
    int lowestTop;  // accepted Tops
    int highestTop;
    StaffPlace putBack;
};

Rule ruleFor(StaffPictureKind kind) {
    switch (kind) {
        case StaffPictureKind::Note:
            return {20, 3450, 5391, 7360, {2520, 5880}};
        case StaffPictureKind::Sharp:
            return {30, 3150, 5520, 7360, {1230, 5880}};
        case StaffPictureKind::Flat:
            break;
    }
    return {0, 3240, 5520, 7360, {1830, 5880}};
}

}  // namespace

StaffPlace snapDroppedPicture(StaffPictureKind kind, int droppedTop) {
    const Rule rule = ruleFor(kind);
    const int top =
        services::roundHalfEven(services::roundHalfEven(droppedTop) / 60.0) * 60 + rule.offset;
    if (top < rule.lowestTop || top > rule.highestTop) {
        return rule.putBack;
    }
    return {rule.staffLeft, top};
}

}  // namespace tones
