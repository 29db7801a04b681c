#include "RecordStream.h"

#include "BiffRecords.h"

namespace spreadsheet::xls {

namespace {

struct Header {
    std::uint16_t id;
    std::uint16_t size;
};

std::optional<Header> headerAt(const std::vector<std::uint8_t>& stream, std::size_t position) {
    if (position + 4 > stream.size()) {
        return std::nullopt;
    }
    return Header{static_cast<std::uint16_t>(stream[position] | (stream[position + 1] << 8)),
                  static_cast<std::uint16_t>(stream[position + 2] | (stream[position + 3] << 8))};
}

}  // namespace

RecordStream::RecordStream(const std::vector<std::uint8_t>& stream, std::size_t start)
    : stream_(stream), position_(start) {}

std::optional<Record> RecordStream::next() {
    const auto header = headerAt(stream_, position_);
    if (!header || (header->id == 0 && header->size == 0)) {
        return std::nullopt;
    }
    std::size_t bodyStart = position_ + 4;
    if (bodyStart + header->size > stream_.size()) {
        throwDamaged();
    }
    Record result;
    result.rawStart = position_;
    result.id = header->id;
    result.data = stream_.data() + bodyStart;
    result.size = header->size;
    position_ = bodyStart + header->size;

    auto continuation = headerAt(stream_, position_);
    if (!continuation || continuation->id != record::Continue) {
        result.rawEnd = position_;
        return result;
    }
    merged_.assign(result.data, result.data + result.size);
    while (continuation && continuation->id == record::Continue) {
        bodyStart = position_ + 4;
        if (bodyStart + continuation->size > stream_.size()) {
            throwDamaged();
        }
        result.continueStarts.push_back(merged_.size());
        merged_.insert(
            merged_.end(), stream_.begin() + static_cast<std::ptrdiff_t>(bodyStart),
            stream_.begin() + static_cast<std::ptrdiff_t>(bodyStart + continuation->size));
        position_ = bodyStart + continuation->size;
        continuation = headerAt(stream_, position_);
    }
    result.data = merged_.data();
    result.size = merged_.size();
    result.rawEnd = position_;
    return result;
}

}  // namespace spreadsheet::xls
