#include "TablatureLayout.h"

#include <algorithm>

namespace music {

namespace {

// Stretching a system to the right margin only while it stays a row of grips, not of gaps.
constexpr double MaxStretch = 0.5;

struct PageCursor {
    const TablatureLayout& layout;
    std::vector<TablaturePage>& pages;
    double y = 0;

    void newPage() {
        pages.emplace_back();
        y = layout.contentTop;
    }
    // Starts a new page unless `height` fits below `y` or the page is still empty.
    void makeRoom(double height, bool pageHoldsSomething) {
        if (y + height > layout.page.contentBottom() && pageHoldsSomething) {
            newPage();
        }
    }
};

bool pageHoldsSomething(const TablaturePage& page) {
    return page.legendTop >= 0 || !page.systems.empty() || !page.list.empty();
}

// Consecutive columns that fit side by side between the margins; never empty.
std::vector<PlacedColumn> nextSystem(const std::vector<double>& widths, size_t& next,
                                     const PageFormat& page) {
    std::vector<PlacedColumn> columns;
    double x = page.marginLeft;
    const double right = page.marginLeft + page.contentWidth();
    while (next < widths.size() && (columns.empty() || x + widths[next] <= right + 1e-6)) {
        columns.push_back({static_cast<int>(next), x, widths[next], false});
        x += widths[next];
        ++next;
    }
    return columns;
}

// Spreads what is left of the line evenly over the columns of a full system.
void justify(std::vector<PlacedColumn>& columns, const PageFormat& page) {
    const double used = columns.back().x + columns.back().width - page.marginLeft;
    const double spare = page.contentWidth() - used;
    if (spare <= 0 || spare > MaxStretch * page.contentWidth()) {
        return;
    }
    const double extra = spare / static_cast<double>(columns.size());
    double x = page.marginLeft;
    for (PlacedColumn& column : columns) {
        column.x = x;
        column.width += extra;
        x += column.width;
    }
}

bool hasUnknownTones(const Tablature& tablature, const std::vector<PlacedColumn>& columns) {
    return std::any_of(columns.begin(), columns.end(), [&](const PlacedColumn& c) {
        return !tablature.columns[static_cast<size_t>(c.column)].unknownTones.isEmpty();
    });
}

void placeSystems(const Tablature& tablature, const TextWidth& width, TablatureLayout& layout,
                  PageCursor& cursor) {
    std::vector<double> widths;
    widths.reserve(tablature.columns.size());
    for (const TablatureColumn& column : tablature.columns) {
        widths.push_back(columnWidth(column, layout.style, layout.page, width));
    }
    const int lineCount = static_cast<int>(tablature.lines.size());
    size_t next = 0;
    while (next < widths.size()) {
        PlacedSystem system;
        system.columns = nextSystem(widths, next, layout.page);
        if (next < widths.size()) {
            justify(system.columns, layout.page);
        }
        for (PlacedColumn& column : system.columns) {
            const int grip = tablature.columns[static_cast<size_t>(column.column)].grip;
            column.showsGripNumber = &column == &system.columns.front() || isLandmarkGrip(grip);
        }
        system.rows =
            systemRows(layout.style, lineCount, hasUnknownTones(tablature, system.columns));
        cursor.makeRoom(system.rows.height, pageHoldsSomething(cursor.pages.back()));
        system.top = cursor.y;
        cursor.y += system.rows.height + layout.style.systemGap;
        cursor.pages.back().systems.push_back(std::move(system));
    }
}

// The heading is kept together with the first entry.
void placeUnknownToneList(const Tablature& tablature, TablatureLayout& layout, PageCursor& cursor) {
    const double step = layout.style.listLineHeight;
    cursor.y += step / 2;
    for (int entry = -1; entry < static_cast<int>(tablature.unknownTones.size()); ++entry) {
        const double needed = entry < 0 ? 2 * step : step;
        cursor.makeRoom(needed, pageHoldsSomething(cursor.pages.back()));
        cursor.y += step;
        cursor.pages.back().list.push_back({cursor.y, entry});
    }
}

}  // namespace

SystemRows systemRows(const TablatureStyle& style, int lineCount, bool withUnknownTones) {
    SystemRows rows;
    rows.gripNumberBaseline = style.gripNumberSize;
    double y = style.gripNumberSize + 2;
    if (withUnknownTones) {
        rows.unknownBaseline = y + style.unknownSize;
        y += style.unknownSize + 3;
    }
    // A number is centred on its line: half of it stands above the top line.
    const double halfNumber = style.numberSize * 0.55;
    rows.firstLine = y + halfNumber;
    rows.lineSpacing = style.lineSpacing;
    const double lastLine = rows.lineY(std::max(lineCount, 1) - 1);
    rows.barTop = lastLine + halfNumber + 1.5;
    rows.barHeight = style.barHeight;
    rows.bassBaseline = rows.barTop + rows.barHeight + 2 + style.bassSize;
    rows.syllableBaseline = rows.bassBaseline + 3 + style.syllableSize;
    rows.height = rows.syllableBaseline + style.syllableSize * 0.3;
    return rows;
}

double legendHeight(const TablatureStyle& style, int lineCount) {
    constexpr int TextRows = 6;
    return std::max(lineCount, TextRows) * style.legendSize * 1.6 + 14;
}

double numbersWidth(const QStringList& numbers, const TablatureStyle& style,
                    const TextWidth& width) {
    double total = 0;
    for (const QString& number : numbers) {
        total += width(TextKind::ButtonNumber, number);
    }
    return numbers.isEmpty() ? 0
                             : total + style.numberGap * static_cast<double>(numbers.size() - 1);
}

QString unknownTonesText(const QStringList& tones) {
    QStringList marked;
    for (const QString& tone : tones) {
        marked << tone + u'?';
    }
    return marked.join(u' ');
}

QString bassText(const QStringList& basses) {
    return basses.join(u' ');
}

double columnWidth(const TablatureColumn& column, const TablatureStyle& style,
                   const PageFormat& page, const TextWidth& width) {
    double widest = 0;
    for (const QStringList& numbers : column.lines) {
        widest = std::max(widest, numbersWidth(numbers, style, width));
    }
    widest = std::max(widest, width(TextKind::UnknownTone, unknownTonesText(column.unknownTones)));
    widest = std::max(widest, width(TextKind::Bass, bassText(column.basses)));
    widest = std::max(widest, width(TextKind::Syllable, column.syllable));
    return std::clamp(widest + 2 * style.columnPadding, style.minColumnWidth, page.contentWidth());
}

TablatureLayout layOutTablature(const Tablature& tablature, const PageFormat& page,
                                const TablatureStyle& style, const TextWidth& width) {
    TablatureLayout layout{page, style, page.marginTop + style.headerHeight, {}};
    PageCursor cursor{layout, layout.pages};
    cursor.newPage();
    layout.pages.front().legendTop = cursor.y;
    cursor.y += legendHeight(style, static_cast<int>(tablature.lines.size()));
    placeSystems(tablature, width, layout, cursor);
    if (!tablature.unknownTones.empty()) {
        placeUnknownToneList(tablature, layout, cursor);
    }
    return layout;
}

}  // namespace music
