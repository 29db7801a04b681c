#include "SstWriter.h"

#include "BiffRecords.h"
#include "BiffStrings.h"
#include "RecordWriter.h"

#include <algorithm>

namespace spreadsheet::xls {

void SstWriter::write(const std::vector<SharedString>& strings, std::uint32_t totalReferences) {
    body_.u32(totalReferences);
    body_.u32(static_cast<std::uint32_t>(strings.size()));
    bucketSize_ = std::max<std::size_t>(8, (strings.size() + 127) / 128);
    for (std::size_t i = 0; i < strings.size(); ++i) {
        writeString(strings[i], i % bucketSize_ == 0);
    }
    flush();
    writeExtSst();
}

std::size_t SstWriter::room() const {
    return record::MaxRecordData - body_.size();
}

void SstWriter::flush() {
    writeRecord(out_, recordsWritten_ == 0 ? record::Sst : record::Continue, body_);
    ++recordsWritten_;
    body_ = ByteWriter();
}

void SstWriter::writeString(const SharedString& string, bool startsBucket) {
    const QString& text = string.text;
    const bool wide = needsSixteenBit(text);
    const std::size_t width = wide ? 2 : 1;
    const std::size_t runCount = std::min<std::size_t>(string.runs.size() / 4, 0xFFFF);
    const std::size_t header = runCount ? 5 : 3;
    if (room() < header + (text.isEmpty() ? 0 : width)) {
        flush();
    }
    if (startsBucket) {
        buckets_.push_back({static_cast<std::uint32_t>(out_.size() + 4 + body_.size()),
                            static_cast<std::uint16_t>(4 + body_.size())});
    }
    body_.u16(static_cast<std::uint16_t>(text.size()));
    body_.u8(static_cast<std::uint8_t>((wide ? 0x01 : 0x00) | (runCount ? 0x08 : 0x00)));
    if (runCount) {
        body_.u16(static_cast<std::uint16_t>(runCount));
    }
    qsizetype written = 0;
    while (written < text.size()) {
        const auto fits = static_cast<qsizetype>(room() / width);
        if (fits == 0) {
            flush();
            body_.u8(wide ? 1 : 0);
            continue;
        }
        const qsizetype n = std::min(fits, text.size() - written);
        writeChars(body_, QStringView(text).mid(written, n), wide);
        written += n;
    }
    for (std::size_t run = 0; run < runCount; ++run) {
        if (room() < 4) {
            flush();
        }
        for (std::size_t i = 0; i < 4; ++i) {
            body_.u8(string.runs[4 * run + i]);
        }
    }
}

void SstWriter::writeExtSst() {
    ByteWriter body;
    body.u16(static_cast<std::uint16_t>(bucketSize_));
    for (const auto& bucket : buckets_) {
        body.u32(bucket.streamPosition);
        body.u16(bucket.recordOffset);
        body.u16(0);
    }
    writeRecord(out_, record::ExtSst, body);
}

}  // namespace spreadsheet::xls
