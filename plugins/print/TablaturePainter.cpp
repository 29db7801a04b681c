#include "TablaturePainter.h"

#include "PageFonts.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <utility>

namespace print {

namespace {

using music::TextKind;

const QColor Ink(Qt::black);
const QColor UnknownInk(200, 0, 0);
constexpr double LineWidth = 0.6;
constexpr double LegendLineLength = 38;
constexpr double LegendTextIndent = 132;

music::PageFormat pageOf(QPagedPaintDevice& device) {
    const double pointsPerPixel = 72.0 / device.logicalDpiX();
    music::PageFormat page;
    page.width = device.width() * pointsPerPixel;
    page.height = device.height() * pointsPerPixel;
    return page;
}

QString bellowsWord(bool pull) {
    return pull ? QStringLiteral("tah") : QStringLiteral("tlak");
}

// Draws in points on a device that counts in its own pixels.
class PagePainter {
public:
    PagePainter(QPainter& painter, const music::Tablature& tablature,
                const music::TablatureLayout& layout, const PageFonts& fonts)
        : p_(painter), t_(tablature), l_(layout), fonts_(fonts), k_(1 / fonts.pointsPerPixel()) {}

    void page(int index) {
        const music::TablaturePage& page = l_.pages[static_cast<size_t>(index)];
        header(index);
        if (page.legendTop >= 0) {
            legend(page.legendTop);
            if (t_.columns.empty()) {
                text(fonts_.list(), QStringLiteral("Píseň neobsahuje žádný hmat."),
                     l_.page.marginLeft,
                     page.legendTop + music::legendHeight(l_.style, lineCount()) +
                         l_.style.listLineHeight);
            }
        }
        for (const music::PlacedSystem& system : page.systems) {
            drawSystem(system);
        }
        for (const music::PlacedListLine& line : page.list) {
            listLine(line);
        }
    }

private:
    int lineCount() const { return static_cast<int>(t_.lines.size()); }

    QPointF at(double x, double y) const { return {x * k_, y * k_}; }
    QRectF box(double x, double y, double w, double h) const {
        return {x * k_, y * k_, w * k_, h * k_};
    }

    // Returns the x where the text ends.
    double text(const QFont& font, const QString& s, double x, double baseline,
                const QColor& colour = Ink) {
        p_.setFont(font);
        p_.setPen(colour);
        p_.drawText(at(x, baseline), s);
        return x + fonts_.width(font, s);
    }
    void centred(const QFont& font, const QString& s, double centre, double baseline, double room,
                 const QColor& colour = Ink) {
        const QString shown =
            QFontMetricsF(font, p_.device()).elidedText(s, Qt::ElideRight, room * k_);
        text(font, shown, centre - fonts_.width(font, shown) / 2, baseline, colour);
    }
    void hline(double x1, double x2, double y) {
        p_.setPen(QPen(Ink, LineWidth * k_));
        p_.drawLine(at(x1, y), at(x2, y));
    }

    void header(int index) {
        const music::PageFormat& page = l_.page;
        const double right = page.width - page.marginRight;
        const double titleBaseline = page.marginTop + l_.style.titleSize;
        const QString pageText = QStringLiteral("strana %1/%2").arg(index + 1).arg(l_.pages.size());
        const double pageTextWidth = fonts_.width(fonts_.header(), pageText);
        text(fonts_.header(), pageText, right - pageTextWidth, titleBaseline);
        const QFont title = fonts_.title();
        const QString name = QFontMetricsF(title, p_.device())
                                 .elidedText(t_.songName, Qt::ElideRight,
                                             (page.contentWidth() - pageTextWidth - 12) * k_);
        text(title, name, page.marginLeft, titleBaseline);
        QStringList details{QStringLiteral("Ladění ") + t_.tuning,
                            keyboard::numberingName(t_.numbering)};
        if (!keyboard::modelName(t_.model).isEmpty()) {
            details << keyboard::modelName(t_.model);
        }
        text(fonts_.header(), details.join(QStringLiteral("  ·  ")), page.marginLeft,
             titleBaseline + 6 + l_.style.headerSize);
        hline(page.marginLeft, right, l_.contentTop - 12);
    }

    void legend(double top) {
        const double row = l_.style.legendSize * 1.6;
        const double left = l_.page.marginLeft;
        const QFont font = fonts_.legend();
        for (int i = 0; i < lineCount(); ++i) {
            const double y = top + row * (i + 0.5);
            hline(left, left + LegendLineLength, y);
            text(font, keyboard::trebleColumnName(t_.lines[static_cast<size_t>(i)]),
                 left + LegendLineLength + 5, y + l_.style.legendSize * 0.35);
        }
        const double x = left + LegendTextIndent;
        double baseline = top + l_.style.legendSize;
        const auto nextRow = [&] { return std::exchange(baseline, baseline + row); };
        text(font,
             QStringLiteral("Každý sloupec je jeden hmat. Linky jsou řady knoflíků, "
                            "vnější nahoře."),
             x, nextRow());
        text(font,
             QStringLiteral("Číslo na lince: knoflík té řady, očíslovaný jako štítky "
                            "u klávesnice;"),
             x, nextRow());
        text(font,
             QStringLiteral("prostřední řada, která štítky nemá, se čísluje zdola od 1 "
                            "do 12."),
             x, nextRow());
        const double barBaseline = nextRow();
        p_.fillRect(box(x, barBaseline - l_.style.barHeight - 1, 16, l_.style.barHeight), Ink);
        text(font, QStringLiteral("pruh pod hmatem: tah; hmat bez pruhu: tlak."), x + 21,
             barBaseline);
        text(font,
             QStringLiteral("Malé číslo nahoře: pořadí hmatu. Pod linkami basy, pod nimi "
                            "slabika textu."),
             x, nextRow());
        if (!t_.unknownTones.empty()) {
            const double unknownRow = nextRow();
            const double end =
                text(of(TextKind::UnknownTone), QStringLiteral("tón?"), x, unknownRow, UnknownInk);
            text(font,
                 QStringLiteral(" červeně: tón, který knoflovka v daném směru měchu nemá "
                                "(seznam na konci)."),
                 end + 2, unknownRow);
        }
    }

    const QFont& of(TextKind kind) const { return fonts_.of(kind); }

    void drawSystem(const music::PlacedSystem& system) {
        const music::SystemRows& rows = system.rows;
        const double left = system.columns.front().x;
        const double right = system.columns.back().x + system.columns.back().width;
        for (int i = 0; i < lineCount(); ++i) {
            hline(left, right, system.top + rows.lineY(i));
        }
        for (const music::PlacedColumn& placed : system.columns) {
            drawColumn(system, placed);
        }
    }

    void drawColumn(const music::PlacedSystem& system, const music::PlacedColumn& placed) {
        const music::TablatureColumn& column = t_.columns[static_cast<size_t>(placed.column)];
        const music::SystemRows& rows = system.rows;
        const double top = system.top;
        const double centre = placed.x + placed.width / 2;
        const double room = placed.width - 2;
        if (placed.showsGripNumber) {
            centred(of(TextKind::GripNumber), QString::number(column.grip), centre,
                    top + rows.gripNumberBaseline, room + 8);
        }
        if (!column.unknownTones.isEmpty()) {
            centred(of(TextKind::UnknownTone), music::unknownTonesText(column.unknownTones), centre,
                    top + rows.unknownBaseline, room, UnknownInk);
        }
        for (int i = 0; i < lineCount(); ++i) {
            numbersOnLine(column.lines[static_cast<size_t>(i)], centre, top + rows.lineY(i));
        }
        if (column.pull) {
            p_.fillRect(box(placed.x, top + rows.barTop, placed.width, rows.barHeight), Ink);
        }
        centred(of(TextKind::Bass), music::bassText(column.basses), centre, top + rows.bassBaseline,
                room);
        centred(of(TextKind::Syllable), column.syllable, centre, top + rows.syllableBaseline, room);
    }

    // The line is broken around the numbers, so they read as standing on it; the gaps
    // between numbers of one grip stay white, the line shows between grips.
    void numbersOnLine(const QStringList& numbers, double centre, double lineY) {
        if (numbers.isEmpty()) {
            return;
        }
        const QFont& font = of(TextKind::ButtonNumber);
        const double capHeight = QFontMetricsF(font, p_.device()).capHeight() / k_;
        const double width = music::numbersWidth(numbers, l_.style, fonts_.measure());
        double x = centre - width / 2;
        p_.fillRect(box(x - 1.5, lineY - capHeight / 2 - 1.5, width + 3, capHeight + 3), Qt::white);
        for (qsizetype i = 0; i < numbers.size(); ++i) {
            // The blank is not seen under the next number; it keeps the numbers apart in the
            // text layer for searching and copying.
            const bool last = i + 1 == numbers.size();
            text(font, last ? numbers[i] : numbers[i] + u' ', x, lineY + capHeight / 2);
            x += fonts_.width(TextKind::ButtonNumber, numbers[i]) + l_.style.numberGap;
        }
    }

    void listLine(const music::PlacedListLine& line) {
        const double x = l_.page.marginLeft;
        if (line.entry < 0) {
            text(fonts_.list(QFont::Bold),
                 QStringLiteral("Tóny, které knoflovka v ladění %1 v daném směru měchu nemá:")
                     .arg(t_.tuning),
                 x, line.baseline);
            return;
        }
        const music::UnknownTone& tone = t_.unknownTones[static_cast<size_t>(line.entry)];
        double end =
            text(fonts_.list(), QStringLiteral("hmat %1: ").arg(tone.grip), x + 8, line.baseline);
        end = text(fonts_.list(QFont::Bold), tone.tone + u'?', end, line.baseline, UnknownInk);
        text(fonts_.list(), QStringLiteral(" (%1)").arg(bellowsWord(tone.pull)), end,
             line.baseline);
    }

    QPainter& p_;
    const music::Tablature& t_;
    const music::TablatureLayout& l_;
    const PageFonts& fonts_;
    double k_;  // device pixels per point
};

}  // namespace

music::TablatureLayout layOutForDevice(const music::Tablature& tablature, QPagedPaintDevice& device,
                                       const music::TablatureStyle& style) {
    const PageFonts fonts(style, device);
    return music::layOutTablature(tablature, pageOf(device), style, fonts.measure());
}

int paintTablature(const music::Tablature& tablature, QPagedPaintDevice& device,
                   const music::TablatureStyle& style) {
    const PageFonts fonts(style, device);
    const music::TablatureLayout layout =
        music::layOutTablature(tablature, pageOf(device), style, fonts.measure());
    QPainter painter;
    if (!painter.begin(&device)) {
        return 0;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    PagePainter pages(painter, tablature, layout, fonts);
    for (int i = 0; i < static_cast<int>(layout.pages.size()); ++i) {
        if (i > 0 && !device.newPage()) {
            return 0;
        }
        pages.page(i);
    }
    painter.end();
    return static_cast<int>(layout.pages.size());
}

}  // namespace print
