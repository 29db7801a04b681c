#pragma once

// Hand-made workbook streams: the globals, then each sheet's records, with the BOUNDSHEET
// offsets filled in, so a test states exactly the records a writer would produce.

#include "support/TestFiles.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace testing_support {

struct Rec {
    std::uint16_t id;
    std::vector<std::uint8_t> body;
};

struct SheetSpec {
    QString name;
    std::vector<Rec> records;  // between the sheet's BOF and EOF
    std::uint8_t type = 0;     // 0 worksheet, 2 chart
};

inline std::vector<std::uint8_t> workbookStream(const std::vector<Rec>& globals,
                                                const std::vector<SheetSpec>& sheets,
                                                std::uint16_t version = 0x0600) {
    BiffStream s;
    s.bof(version, 0x0005);
    for (const auto& r : globals) {
        s.record(r.id, r.body);
    }
    std::vector<std::size_t> offsetPositions;
    for (const auto& sheet : sheets) {
        Body body;
        body.u32(0).u8(0).u8(sheet.type).u8(static_cast<std::uint8_t>(sheet.name.size()));
        if (version == 0x0600) {
            body.u8(1).utf16(sheet.name);
        } else {
            const QByteArray latin1 = sheet.name.toLatin1();
            body.bytes.insert(body.bytes.end(), latin1.begin(), latin1.end());
        }
        offsetPositions.push_back(s.size() + 4);
        s.record(0x0085, body);
    }
    s.eof();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        s.patchU32(offsetPositions[i], static_cast<std::uint32_t>(s.size()));
        s.bof(version, sheets[i].type == 2 ? 0x0020 : 0x0010);
        for (const auto& r : sheets[i].records) {
            s.record(r.id, r.body);
        }
        s.eof();
    }
    return s.bytes();
}

// Cell record bodies start with row, column (both 0-based) and the format index.
inline Body cellHeader(std::uint16_t row, std::uint16_t column, std::uint16_t format = 15) {
    return Body().u16s({row, column, format});
}

}  // namespace testing_support
