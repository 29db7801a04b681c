#pragma once

#include "ByteWriter.h"

#include <QString>

#include <algorithm>
#include <cstdint>

namespace spreadsheet::xls {

inline bool needsSixteenBit(QStringView text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
}

inline void writeChars(ByteWriter& out, QStringView text, bool sixteenBit) {
    for (const QChar c : text) {
        if (sixteenBit) {
            out.u16(c.unicode());
        } else {
            out.u8(static_cast<std::uint8_t>(c.unicode()));
        }
    }
}

// ShortXLUnicodeString: font, sheet and number format names up to 255 characters.
inline void writeShortString(ByteWriter& out, QStringView text) {
    text = text.left(255);
    const bool wide = needsSixteenBit(text);
    out.u8(static_cast<std::uint8_t>(text.size()));
    out.u8(wide ? 1 : 0);
    writeChars(out, text, wide);
}

// XLUnicodeString: a character count of two bytes.
inline void writeUnicodeString(ByteWriter& out, QStringView text) {
    text = text.left(0xFFFF);
    const bool wide = needsSixteenBit(text);
    out.u16(static_cast<std::uint16_t>(text.size()));
    out.u8(wide ? 1 : 0);
    writeChars(out, text, wide);
}

}  // namespace spreadsheet::xls
