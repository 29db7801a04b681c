#pragma once

#include "RecordStream.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// Character data that may run on into CONTINUE records; each continuation of characters
// starts with a flags byte saying whether they are 8- or 16-bit.
class StringReader {
public:
    explicit StringReader(const Record& record)
        : bytes_(record.reader()), continueStarts_(record.continueStarts) {}

    ByteReader& bytes() { return bytes_; }

    QString chars(std::size_t count, bool sixteenBit) {
        QString text;
        text.reserve(static_cast<qsizetype>(std::min(count, bytes_.remaining())));
        while (count > 0) {
            const std::size_t limit = nextBoundary() - bytes_.position();
            if (limit == 0) {
                sixteenBit = (bytes_.u8() & 0x01) != 0;
                continue;
            }
            const std::size_t width = sixteenBit ? 2 : 1;
            const std::size_t n = std::min(count, limit / width);
            if (n == 0) {
                throwDamaged();
            }
            bytes_.require(n * width);
            const std::uint8_t* p = bytes_.here();
            for (std::size_t i = 0; i < n; ++i) {
                text.append(
                    QChar(sixteenBit ? char16_t(p[2 * i] | (p[2 * i + 1] << 8)) : char16_t(p[i])));
            }
            bytes_.skip(n * width);
            count -= n;
        }
        return text;
    }

    // XLUnicodeRichExtendedString and its plainer relatives (the flags say what follows). The
    // formatting runs, when asked for, are 4 bytes each: first character, font index.
    QString unicodeString(std::size_t count, std::vector<std::uint8_t>* runs = nullptr) {
        const std::uint8_t flags = bytes_.u8();
        const std::size_t runCount = (flags & 0x08) ? bytes_.u16() : 0;
        const std::size_t extended = (flags & 0x04) ? bytes_.u32() : 0;
        QString text = chars(count, (flags & 0x01) != 0);
        bytes_.require(runCount * 4);
        if (runs && runCount > 0) {
            runs->assign(bytes_.here(), bytes_.here() + runCount * 4);
        }
        bytes_.skip(runCount * 4);
        bytes_.skip(extended);
        return text;
    }

private:
    std::size_t nextBoundary() const {
        for (const std::size_t start : continueStarts_) {
            if (start >= bytes_.position()) {
                return start;
            }
        }
        return bytes_.size();
    }

    ByteReader bytes_;
    const std::vector<std::size_t>& continueStarts_;
};

}  // namespace spreadsheet::xls
