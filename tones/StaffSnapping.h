#pragma once

// Where a note, sharp or flat picture comes to rest after the user drops it: snapped to the
// nearest staff position at the staff's Left, or put back beside the staff when dropped too
// high or too low. All in twips.
namespace tones {

enum class StaffPictureKind { Note, Sharp, Flat };

struct StaffPlace {
    int left;
    int top;
    bool operator==(const StaffPlace&) const = default;
};

StaffPlace snapDroppedPicture(StaffPictureKind kind, int droppedTop);

}  // namespace tones
