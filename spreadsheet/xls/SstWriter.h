#pragma once

#include "ByteWriter.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

struct SharedString {
    QString text;
    std::vector<std::uint8_t> runs;  // formatting runs, 4 bytes each; empty for plain text
};

// The shared-string table and its EXTSST index, split over CONTINUE records at 8224 bytes. A
// string's header never straddles two records; where its characters do, the continuation
// starts with a flags byte. Formatting runs follow the characters and split at whole runs.
class SstWriter {
public:
    explicit SstWriter(ByteWriter& out) : out_(out) {}

    void write(const std::vector<SharedString>& strings, std::uint32_t totalReferences);

private:
    std::size_t room() const;
    void flush();
    void writeString(const SharedString& string, bool startsBucket);
    void writeExtSst();

    struct Bucket {
        std::uint32_t streamPosition;
        std::uint16_t recordOffset;
    };

    ByteWriter& out_;
    ByteWriter body_;
    int recordsWritten_ = 0;
    std::size_t bucketSize_ = 8;
    std::vector<Bucket> buckets_;
};

}  // namespace spreadsheet::xls
