#pragma once

#include "Tablature.h"

#include <QString>

#include <functional>
#include <vector>

// Where everything of a printed tablature goes: columns as wide as their texts, systems that
// break at the right margin, pages that break at the bottom. All lengths are in points
// (1/72 inch), measured from the page's top left corner.
namespace music {

// Each kind of text on the page has a font of its own.
enum class TextKind { ButtonNumber, GripNumber, UnknownTone, Bass, Syllable };

// The width of a text in points as the page's fonts draw it.
using TextWidth = std::function<double(TextKind, const QString&)>;

// The page's sizes; the painter draws with the same ones.
struct TablatureStyle {
    // font sizes
    double numberSize = 11.5;
    double gripNumberSize = 6.5;
    double unknownSize = 9;
    double bassSize = 8.5;
    double syllableSize = 9.5;
    double titleSize = 15;
    double headerSize = 9;
    double legendSize = 8;
    double listSize = 9.5;
    // distances
    double lineSpacing = 17;     // between two lines of a system
    double numberGap = 3;        // between two numbers on one line of a grip
    double columnPadding = 5.5;  // left and right of a column's widest text
    double minColumnWidth = 17;
    double barHeight = 3.2;
    double systemGap = 12;     // between two systems
    double headerHeight = 46;  // from the top margin to the first thing below the header
    double listLineHeight = 14;
};

struct PageFormat {
    // A4 portrait
    double width = 595.276;
    double height = 841.89;
    double marginLeft = 45;
    double marginRight = 40;
    double marginTop = 34;
    double marginBottom = 34;

    double contentWidth() const { return width - marginLeft - marginRight; }
    double contentBottom() const { return height - marginBottom; }
};

// The rows of one system, as offsets from its top.
struct SystemRows {
    double gripNumberBaseline = 0;
    double unknownBaseline = 0;  // only in a system with unknown tones
    double firstLine = 0;
    double lineSpacing = 0;
    double barTop = 0;
    double barHeight = 0;
    double bassBaseline = 0;
    double syllableBaseline = 0;
    double height = 0;

    double lineY(int line) const { return firstLine + lineSpacing * line; }
};
SystemRows systemRows(const TablatureStyle& style, int lineCount, bool withUnknownTones);

// The legend on the first page: how high it is for a tablature of `lineCount` lines.
double legendHeight(const TablatureStyle& style, int lineCount);

struct PlacedColumn {
    int column = 0;  // index into Tablature::columns
    double x = 0;
    double width = 0;
    bool showsGripNumber = false;
};

struct PlacedSystem {
    double top = 0;
    SystemRows rows;
    std::vector<PlacedColumn> columns;
};

// A line of the list of unknown tones: its heading (entry -1) or one of them.
struct PlacedListLine {
    double baseline = 0;
    int entry = -1;  // index into Tablature::unknownTones
};

struct TablaturePage {
    double legendTop = -1;  // the first page's legend; negative on the others
    std::vector<PlacedSystem> systems;
    std::vector<PlacedListLine> list;
};

struct TablatureLayout {
    PageFormat page;
    TablatureStyle style;
    double contentTop = 0;  // below the header
    std::vector<TablaturePage> pages;
};

// A column's natural width: its widest text with padding, at least the minimum, at most the
// page's content width.
double columnWidth(const TablatureColumn& column, const TablatureStyle& style,
                   const PageFormat& page, const TextWidth& width);

// The numbers of one line of a grip side by side, `numberGap` apart.
double numbersWidth(const QStringList& numbers, const TablatureStyle& style,
                    const TextWidth& width);

// Texts of a column as they are printed.
QString unknownTonesText(const QStringList& tones);
QString bassText(const QStringList& basses);

TablatureLayout layOutTablature(const Tablature& tablature, const PageFormat& page,
                                const TablatureStyle& style, const TextWidth& width);

}  // namespace music
