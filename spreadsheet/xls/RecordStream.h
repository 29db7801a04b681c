#pragma once

#include "ByteReader.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace spreadsheet::xls {

// One BIFF record with the CONTINUE records that follow it merged into its body. The offsets
// where each CONTINUE began are kept: a string whose characters run on into a CONTINUE record
// starts that record with a fresh flags byte.
struct Record {
    std::uint16_t id = 0;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::vector<std::size_t> continueStarts;
    // The record as it lies in the stream: its header through the end of its last CONTINUE.
    std::size_t rawStart = 0;
    std::size_t rawEnd = 0;

    ByteReader reader() const { return ByteReader(data, size); }
};

// Walks the records of a workbook stream from a given offset.
class RecordStream {
public:
    RecordStream(const std::vector<std::uint8_t>& stream, std::size_t start);

    // Nothing at the end of the stream or at the zero padding some writers leave after the last
    // record. A record running past the end of the stream is a damaged file.
    std::optional<Record> next();
    std::size_t position() const { return position_; }

private:
    const std::vector<std::uint8_t>& stream_;
    std::size_t position_;
    std::vector<std::uint8_t> merged_;  // the body of the current record when it had CONTINUEs
};

}  // namespace spreadsheet::xls
