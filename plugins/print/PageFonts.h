#pragma once

#include "music/TablatureLayout.h"

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <vector>

class QPaintDevice;

// The fonts of a printed page, sized for one paint device, and the width of a text in points
// as they draw it: the layout measures with the same fonts the painter draws with.
namespace print {

// Embedded in every PDF; installed with the program's dependencies.
inline const QString PageFontFamily = QStringLiteral("DejaVu Sans");

class PageFonts {
public:
    PageFonts(const music::TablatureStyle& style, QPaintDevice& device);

    const QFont& of(music::TextKind kind) const { return fonts_[static_cast<size_t>(kind)]; }
    QFont title() const { return make(style_.titleSize, QFont::Bold); }
    QFont header() const { return make(style_.headerSize); }
    QFont legend() const { return make(style_.legendSize); }
    QFont list(QFont::Weight weight = QFont::Normal) const { return make(style_.listSize, weight); }

    double width(music::TextKind kind, const QString& text) const;
    double width(const QFont& font, const QString& text) const;
    // `width` as the layout takes it.
    music::TextWidth measure() const {
        return [this](music::TextKind kind, const QString& text) { return width(kind, text); };
    }
    // Points per device pixel.
    double pointsPerPixel() const { return pointsPerPixel_; }

private:
    QFont make(double size, QFont::Weight weight = QFont::Normal, bool italic = false) const;

    const music::TablatureStyle& style_;
    QPaintDevice& device_;
    double pointsPerPixel_;
    std::array<QFont, 5> fonts_;
    std::vector<QFontMetricsF> metrics_;
};

}  // namespace print
