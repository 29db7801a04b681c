#pragma once

// How the note reader sees the accidental pictures of the staff without touching widgets: the
// staff window answers with the places of its five flat pictures (picBecko) and five sharp
// pictures (picKrizek), tests with plain numbers.
namespace tones {

// Where a picture stands on the staff, in twips.
struct PicturePlace {
    int left = 0;
    int top = 0;
};

class StaffAccidentals {
public:
    static constexpr int SlotCount = 5;

    virtual ~StaffAccidentals() = default;

    // picBecko(slot), slot 0..4.
    virtual PicturePlace flat(int slot) const = 0;
    // picKrizek(slot), slot 0..4.
    virtual PicturePlace sharp(int slot) const = 0;
};

}  // namespace tones
