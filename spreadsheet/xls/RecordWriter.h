#pragma once

#include "BiffRecords.h"
#include "ByteWriter.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

inline void writeRecord(ByteWriter& out, std::uint16_t id, const std::vector<std::uint8_t>& body) {
    out.u16(id);
    out.u16(static_cast<std::uint16_t>(body.size()));
    out.append(body);
}

inline void writeRecord(ByteWriter& out, std::uint16_t id, const ByteWriter& body) {
    writeRecord(out, id, body.bytes());
}

// A body longer than one record goes on in CONTINUE records (for records that hold no text,
// where any split is as good as another).
inline void writeLongRecord(ByteWriter& out, std::uint16_t id,
                            const std::vector<std::uint8_t>& body) {
    std::size_t written = 0;
    do {
        const std::size_t n = std::min(record::MaxRecordData, body.size() - written);
        out.u16(written == 0 ? id : record::Continue);
        out.u16(static_cast<std::uint16_t>(n));
        out.bytes().insert(out.bytes().end(), body.begin() + static_cast<std::ptrdiff_t>(written),
                           body.begin() + static_cast<std::ptrdiff_t>(written + n));
        written += n;
    } while (written < body.size());
}

inline void writeRaw(ByteWriter& out, const std::uint8_t* raw, std::size_t size) {
    out.bytes().insert(out.bytes().end(), raw, raw + size);
}

inline void writeBof(ByteWriter& out, std::uint16_t type) {
    ByteWriter b;
    b.u16(0x0600);
    b.u16(type);
    b.u16(0x0DBB);
    b.u16(0x07CC);
    b.u32(0);
    b.u32(6);
    writeRecord(out, record::Bof, b);
}

}  // namespace spreadsheet::xls
