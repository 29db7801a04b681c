// The print layout's arithmetic, with every character 6 points wide instead of real fonts.
#include "music/TablatureLayout.h"

#include <gtest/gtest.h>

#include <numeric>

using music::PageFormat;
using music::PlacedColumn;
using music::Tablature;
using music::TablatureColumn;
using music::TablatureLayout;
using music::TablatureStyle;

namespace {

constexpr double CharWidth = 6;

double fixedWidth(music::TextKind, const QString& text) {
    return CharWidth * text.size();
}

TablatureColumn grip(int number, bool pull, QStringList middle = {"4"}, QString syllable = {}) {
    TablatureColumn column;
    column.grip = number;
    column.pull = pull;
    column.lines = {{}, std::move(middle), {}};
    column.syllable = std::move(syllable);
    return column;
}

Tablature song(int grips) {
    Tablature t;
    t.lines = keyboard::trebleColumnsOf(keyboard::InstrumentModel::Full);
    for (int g = 1; g <= grips; ++g) {
        t.columns.push_back(grip(g, g % 3 == 0));
    }
    return t;
}

TablatureLayout layOut(const Tablature& t, const PageFormat& page = {}) {
    return music::layOutTablature(t, page, TablatureStyle{}, fixedWidth);
}

std::vector<const music::PlacedSystem*> systemsOf(const TablatureLayout& layout) {
    std::vector<const music::PlacedSystem*> systems;
    for (const auto& page : layout.pages) {
        for (const auto& system : page.systems) {
            systems.push_back(&system);
        }
    }
    return systems;
}

}  // namespace

TEST(TablatureLayout, GripsPerSystemFollowTheirWidthsAndEveryFifthShowsItsNumber) {
    // Narrow grips take the minimum width: 510.276 / 17 gives 30 a system.
    const Tablature ninetyFive = song(95);
    const TablatureLayout narrow = layOut(ninetyFive);
    const auto systems = systemsOf(narrow);
    ASSERT_EQ(systems.size(), 4u);
    EXPECT_EQ(systems[0]->columns.size(), 30u);
    EXPECT_EQ(systems[3]->columns.size(), 5u);
    for (const auto* system : systems) {
        for (const PlacedColumn& column : system->columns) {
            const int number = ninetyFive.columns[static_cast<size_t>(column.column)].grip;
            const bool shown =
                number == 1 || number % 5 == 0 || &column == &system->columns.front();
            EXPECT_EQ(column.showsGripNumber, shown) << number;
        }
    }
    // Grip 31 opens the second system.
    EXPECT_TRUE(systems[1]->columns.front().showsGripNumber);
    EXPECT_EQ(systems[1]->columns.front().column, 30);
    // Full systems are stretched to the right margin, the last one keeps natural widths.
    const PageFormat page;
    const auto& full = systems[0]->columns.back();
    EXPECT_NEAR(full.x + full.width, page.marginLeft + page.contentWidth(), 1e-6);
    EXPECT_DOUBLE_EQ(systems[3]->columns.back().width, TablatureStyle{}.minColumnWidth);

    // A seven-tone grip and a long syllable widen their columns.
    Tablature t = song(3);
    t.columns[1].lines[1] = QStringList{"1", "2", "3", "4", "5", "6", "7"};
    t.columns[2].syllable = QStringLiteral("dlouhááááá-slabikaaa");
    const TablatureStyle style;
    EXPECT_DOUBLE_EQ(music::columnWidth(t.columns[1], style, page, fixedWidth),
                     7 * CharWidth + 6 * style.numberGap + 2 * style.columnPadding);
    EXPECT_DOUBLE_EQ(music::columnWidth(t.columns[2], style, page, fixedWidth),
                     20 * CharWidth + 2 * style.columnPadding);
    // A text wider than the page still leaves the column on the page.
    t.columns[0].syllable = QString(200, u'a');
    EXPECT_DOUBLE_EQ(music::columnWidth(t.columns[0], style, page, fixedWidth),
                     page.contentWidth());
    const TablatureLayout wideLayout = layOut(t);
    const auto wide = systemsOf(wideLayout);
    ASSERT_EQ(wide.size(), 2u);
    EXPECT_EQ(wide[0]->columns.size(), 1u);
}

TEST(TablatureLayout, EveryGripOnceInOrderBetweenTheMarginsPagesBreakAtTheBottom) {
    const Tablature t = song(1000);
    const TablatureLayout layout = layOut(t);
    ASSERT_GT(layout.pages.size(), 2u);
    const PageFormat page;
    std::vector<int> placed;
    for (const auto* system : systemsOf(layout)) {
        EXPECT_DOUBLE_EQ(system->columns.front().x, page.marginLeft);
        double x = page.marginLeft;
        for (const PlacedColumn& column : system->columns) {
            placed.push_back(column.column);
            EXPECT_NEAR(column.x, x, 1e-9);  // side by side, no overlap
            x += column.width;
        }
        EXPECT_LE(x, page.marginLeft + page.contentWidth() + 1e-6);
    }
    std::vector<int> expected(t.columns.size());
    std::iota(expected.begin(), expected.end(), 0);
    EXPECT_EQ(placed, expected);

    EXPECT_GE(layout.pages[0].legendTop, page.marginTop);
    for (size_t p = 0; p < layout.pages.size(); ++p) {
        SCOPED_TRACE(p);
        const auto& systems = layout.pages[p].systems;
        ASSERT_FALSE(systems.empty());
        EXPECT_EQ(layout.pages[p].legendTop >= 0, p == 0);
        EXPECT_GE(systems.front().top, layout.contentTop);
        EXPECT_LE(systems.back().top + systems.back().rows.height, page.contentBottom());
        for (size_t s = 1; s < systems.size(); ++s) {
            EXPECT_GE(systems[s].top, systems[s - 1].top + systems[s - 1].rows.height);
        }
        // The next page's first system would not have fitted below the last one.
        if (p + 1 < layout.pages.size()) {
            const auto& next = layout.pages[p + 1].systems.front();
            EXPECT_GT(systems.back().top + systems.back().rows.height + TablatureStyle{}.systemGap +
                          next.rows.height,
                      page.contentBottom());
        }
    }
    // The first page holds fewer systems: the legend stands above them.
    EXPECT_LT(layout.pages[0].systems.size(), layout.pages[1].systems.size());
    // A shorter page holds fewer systems.
    PageFormat a5;
    a5.height = 595.276;
    EXPECT_GT(layOut(t, a5).pages.size(), layout.pages.size());
}

TEST(TablatureLayout, RowsOfASystemFromTheTop) {
    const TablatureStyle style;
    const music::SystemRows three = music::systemRows(style, 3, false);
    EXPECT_LT(three.gripNumberBaseline, three.lineY(0));
    EXPECT_DOUBLE_EQ(three.lineY(2) - three.lineY(0), 2 * style.lineSpacing);
    // The bar lies under the lowest line, the basses under the bar, the syllable under them.
    EXPECT_GT(three.barTop, three.lineY(2));
    EXPECT_GT(three.bassBaseline - style.bassSize, three.barTop + three.barHeight);
    EXPECT_GT(three.syllableBaseline - style.syllableSize, three.bassBaseline);
    EXPECT_GE(three.height, three.syllableBaseline);
    // Two lines make a lower system; unknown tones get a row of their own above the lines.
    EXPECT_DOUBLE_EQ(three.height - music::systemRows(style, 2, false).height, style.lineSpacing);
    const music::SystemRows marked = music::systemRows(style, 3, true);
    EXPECT_GT(marked.unknownBaseline, marked.gripNumberBaseline);
    EXPECT_LT(marked.unknownBaseline, marked.lineY(0) - style.numberSize / 2);
}

TEST(TablatureLayout, UnknownTonesListedAfterTheLastSystemAcrossPages) {
    Tablature t = song(40);
    t.columns[7].unknownTones = QStringList{"d4,"};
    for (int i = 0; i < 120; ++i) {
        t.unknownTones.push_back({8, QStringLiteral("d4,"), false});
    }
    const TablatureLayout layout = layOut(t);
    const PageFormat page;
    std::vector<int> entries;
    double lastSystemBottom = 0;
    for (const auto& p : layout.pages) {
        for (const auto& system : p.systems) {
            lastSystemBottom = system.top + system.rows.height;
        }
        for (const auto& line : p.list) {
            entries.push_back(line.entry);
            EXPECT_LE(line.baseline, page.contentBottom());
        }
    }
    ASSERT_EQ(entries.size(), 121u);
    std::vector<int> expected(121);
    std::iota(expected.begin(), expected.end(), -1);  // the heading first
    EXPECT_EQ(entries, expected);
    EXPECT_GT(layout.pages[0].list.front().baseline, lastSystemBottom);
    EXPECT_GT(layout.pages.size(), 1u);
    // Only the system holding the grip with an unknown tone has the row for it.
    const auto systems = systemsOf(layout);
    EXPECT_GT(systems[0]->rows.unknownBaseline, 0);
    EXPECT_EQ(systems[1]->rows.unknownBaseline, 0);
}

TEST(TablatureLayout, AnEmptySongIsOnePageWithTheLegendAndAHeadingIsNeverLeftAlone) {
    const TablatureLayout nothing = layOut(song(0));
    ASSERT_EQ(nothing.pages.size(), 1u);
    EXPECT_GE(nothing.pages[0].legendTop, 0);
    EXPECT_TRUE(nothing.pages[0].systems.empty());

    // Fill the first page so that exactly the heading of the unknown tones would still fit.
    Tablature t = song(0);
    t.unknownTones.push_back({1, QStringLiteral("d4,"), true});
    const TablatureLayout empty = layOut(t);
    ASSERT_EQ(empty.pages.size(), 1u);
    const double free = PageFormat{}.contentBottom() - empty.pages[0].list.front().baseline;
    PageFormat tight;
    tight.height -= free - TablatureStyle{}.listLineHeight * 0.5;
    const TablatureLayout layout = layOut(t, tight);
    ASSERT_EQ(layout.pages.size(), 2u);
    EXPECT_TRUE(layout.pages[0].list.empty());
    EXPECT_EQ(layout.pages[1].list.size(), 2u);
}
