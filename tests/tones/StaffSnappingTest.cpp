// Where dropped note, sharp and flat pictures come to rest.
#include "tones/StaffSnapping.h"

#include <gtest/gtest.h>

#include <tuple>

using tones::snapDroppedPicture;
using tones::StaffPictureKind;
using tones::StaffPlace;

// Notes snap to the nearest position, halves to the even one; a sharp 110 and a flat 140 above
// a note's Top belong to it; too high or too low, each goes back to its place beside the staff.
TEST(StaffSnapping, EachPictureLandsOnItsPlaceOrBesideTheStaff) {
    using enum StaffPictureKind;
    const std::tuple<StaffPictureKind, int, StaffPlace> cases[] = {
        {Note, 6930, {3450, 6980}},  {Note, 6870, {3450, 6860}}, {Note, 6790, {3450, 6800}},
        {Note, 7335, {3450, 7340}},  {Note, 5400, {3450, 5420}}, {Sharp, 6805, {3150, 6810}},
        {Flat, 6790, {3240, 6780}},  {Flat, 6300, {3240, 6300}}, {Sharp, 5520, {3150, 5550}},
        {Note, 5360, {2520, 5880}},  {Note, 7380, {2520, 5880}}, {Sharp, 5460, {1230, 5880}},
        {Sharp, 7400, {1230, 5880}}, {Flat, 5480, {1830, 5880}}, {Flat, 7400, {1830, 5880}}};
    for (const auto& [kind, dropped, place] : cases) {
        EXPECT_EQ(snapDroppedPicture(kind, dropped), place)
            << static_cast<int>(kind) << " " << dropped;
    }
}

TEST(StaffSnapping, EveryAcceptedNoteTopIsAStaffPosition) {
    for (int dropped = 5000; dropped <= 7800; ++dropped) {
        const StaffPlace place = snapDroppedPicture(StaffPictureKind::Note, dropped);
        if (place.left == 3450) {
            EXPECT_EQ((place.top - 20) % 60, 0) << dropped;
            EXPECT_GE(place.top, 5420) << dropped;
            EXPECT_LE(place.top, 7340) << dropped;
        } else {
            EXPECT_EQ(place, (StaffPlace{2520, 5880})) << dropped;
        }
    }
}
