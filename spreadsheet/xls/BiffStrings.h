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

// The character count, the flags byte saying whether the characters are 16-bit, the
// characters: a count of one byte (ShortXLUnicodeString: font, sheet and number format names)
// or of two (XLUnicodeString).
inline void writeCountedString(ByteWriter& out, QStringView text, bool twoByteCount) {
    text = text.left(twoByteCount ? 0xFFFF : 0xFF);
    const bool wide = needsSixteenBit(text);
    if (twoByteCount) {
        out.u16(static_cast<std::uint16_t>(text.size()));
    } else {
        out.u8(static_cast<std::uint8_t>(text.size()));
    }
    out.u8(wide ? 1 : 0);
    writeChars(out, text, wide);
}

inline void writeShortString(ByteWriter& out, QStringView text) {
    writeCountedString(out, text, false);
}
inline void writeUnicodeString(ByteWriter& out, QStringView text) {
    writeCountedString(out, text, true);
}

}  // namespace spreadsheet::xls
