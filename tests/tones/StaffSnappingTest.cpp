// Where dropped note, sharp and flat pictures come to rest.
#include "tones/StaffSnapping.h"

#include <gtest/gtest.h>

using tones::snapDroppedPicture;
using tones::StaffPictureKind;
using tones::StaffPlace;

TEST(StaffSnapping, NotesSnapToTheNearestPositionHalvesToTheEvenOne) {
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Note, 6930), (StaffPlace{3450, 6980}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Note, 6870), (StaffPlace{3450, 6860}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Note, 6790), (StaffPlace{3450, 6800}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Note, 7335), (StaffPlace{3450, 7340}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Note, 5400), (StaffPlace{3450, 5420}));
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

TEST(StaffSnapping, TooHighOrTooLowGoesBackBesideTheStaff) {
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Note, 5360), (StaffPlace{2520, 5880}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Note, 7380), (StaffPlace{2520, 5880}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Sharp, 5460), (StaffPlace{1230, 5880}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Sharp, 7400), (StaffPlace{1230, 5880}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Flat, 5480), (StaffPlace{1830, 5880}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Flat, 7400), (StaffPlace{1830, 5880}));
}

TEST(StaffSnapping, SharpsAndFlatsLandWhereTheyMarkANote) {
    // A sharp 110 and a flat 140 above a note's Top belong to it.
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Sharp, 6805), (StaffPlace{3150, 6810}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Flat, 6790), (StaffPlace{3240, 6780}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Flat, 6300), (StaffPlace{3240, 6300}));
    EXPECT_EQ(snapDroppedPicture(StaffPictureKind::Sharp, 5520), (StaffPlace{3150, 5550}));
}
