#pragma once

#include <QString>

#include <span>

// The natural tone of every place a note can take on the staff, keyed by the Top of the note
// picture (twips). The lowest place, c, has Top 7340; each diatonic step up is 60 twips less.
namespace tones {

struct StaffPosition {
    int top;
    const char16_t* name;
};

inline constexpr int StaffLowestTop = 7340;
inline constexpr int StaffHighestTop = 5420;
inline constexpr int StaffStep = 60;

// All 33 places, lowest first.
std::span<const StaffPosition> staffPositions();

// The tone name of the note at `top`, e.g. 6920 -> "c1,"; empty for a Top no place has.
QString staffPositionName(int top);

}  // namespace tones
