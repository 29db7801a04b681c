#pragma once

#include "../UnkeptParts.h"
#include "ByteReader.h"
#include "CodePage.h"
#include "XlsFormatError.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

enum class Biff { V5, V8 };

// What reading the workbook globals hands to reading each sheet, and the running costs that
// keep a hostile file from costing more than a real one could.
struct ReadContext {
    explicit ReadContext(const std::vector<std::uint8_t>& workbookStream)
        : stream(workbookStream) {}

    const std::vector<std::uint8_t>& stream;
    Biff biff = Biff::V8;
    int codePage = 1252;
    std::vector<QString> sst;
    std::vector<std::vector<std::uint8_t>> sstRuns;  // beside sst; empty for plain strings
    std::uint16_t formatCount = 0;                   // XF records
    UnkeptParts unkept;
    std::size_t rowSlots = 0;

    void chargeWork(std::size_t bytes) {
        work_ += bytes + 4;
        if (work_ > 8 * stream.size() + (1u << 20)) {
            throwDamaged();
        }
    }

    // Excel 5 text: bytes in the workbook's code page.
    QString eightBitString(ByteReader& r, std::size_t count) const {
        r.require(count);
        QString text = decodeCodePage(r.here(), count, codePage);
        r.skip(count);
        return text;
    }

private:
    std::size_t work_ = 0;
};

}  // namespace spreadsheet::xls
