#include "tones/StaffPositionTable.h"

#include <algorithm>
#include <array>

namespace tones {

namespace {

// The ids are the Tops themselves, so that the staff's picture positions read straight off.
constexpr std::array<StaffPosition, 33> Positions{{
    {7340, u"c,"},  {7280, u"d,"},  {7220, u"e,"},  {7160, u"f,"},  {7100, u"g,"},  {7040, u"a,"},
    {6980, u"h,"},  {6920, u"c1,"}, {6860, u"d1,"}, {6800, u"e1,"}, {6740, u"f1,"}, {6680, u"g1,"},
    {6620, u"a1,"}, {6560, u"h1,"}, {6500, u"c2,"}, {6440, u"d2,"}, {6380, u"e2,"}, {6320, u"f2,"},
    {6260, u"g2,"}, {6200, u"a2,"}, {6140, u"h2,"}, {6080, u"c3,"}, {6020, u"d3,"}, {5960, u"e3,"},
    {5900, u"f3,"}, {5840, u"g3,"}, {5780, u"a3,"}, {5720, u"h3,"}, {5660, u"c4,"}, {5600, u"d4,"},
    {5540, u"e4,"}, {5480, u"f4,"}, {5420, u"g4,"},
}};

static_assert(Positions.front().top == StaffLowestTop);
static_assert(Positions.back().top == StaffHighestTop);
static_assert((StaffLowestTop - StaffHighestTop) / StaffStep + 1 == Positions.size());

}  // namespace

std::span<const StaffPosition> staffPositions() {
    return Positions;
}

QString staffPositionName(int top) {
    const auto found = std::find_if(Positions.begin(), Positions.end(),
                                    [top](const StaffPosition& p) { return p.top == top; });
    return found == Positions.end() ? QString() : QString::fromUtf16(found->name);
}

}  // namespace tones
