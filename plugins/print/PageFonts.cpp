#include "PageFonts.h"

#include <QPaintDevice>

namespace print {

using music::TextKind;

PageFonts::PageFonts(const music::TablatureStyle& style, QPaintDevice& device)
    : style_(style), device_(device), pointsPerPixel_(72.0 / device.logicalDpiX()) {
    fonts_[static_cast<size_t>(TextKind::ButtonNumber)] = make(style.numberSize, QFont::Bold);
    fonts_[static_cast<size_t>(TextKind::GripNumber)] = make(style.gripNumberSize);
    fonts_[static_cast<size_t>(TextKind::UnknownTone)] = make(style.unknownSize, QFont::Bold);
    fonts_[static_cast<size_t>(TextKind::Bass)] = make(style.bassSize);
    fonts_[static_cast<size_t>(TextKind::Syllable)] = make(style.syllableSize, QFont::Normal, true);
    for (const QFont& font : fonts_) {
        metrics_.emplace_back(font, &device_);
    }
}

QFont PageFonts::make(double size, QFont::Weight weight, bool italic) const {
    QFont font(PageFontFamily);
    font.setPointSizeF(size);
    font.setWeight(weight);
    font.setItalic(italic);
    // Widths measured for the layout must be the widths drawn, at any resolution.
    font.setHintingPreference(QFont::PreferNoHinting);
    // No ligatures: the text layer must hold the letters written, for searching and copying.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

double PageFonts::width(TextKind kind, const QString& text) const {
    if (text.isEmpty()) {
        return 0;
    }
    return metrics_[static_cast<size_t>(kind)].horizontalAdvance(text) * pointsPerPixel_;
}

double PageFonts::width(const QFont& font, const QString& text) const {
    return QFontMetricsF(font, &device_).horizontalAdvance(text) * pointsPerPixel_;
}

}  // namespace print
