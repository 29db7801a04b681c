#pragma once

#include "XlsFormatError.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace spreadsheet::xls {

// Little-endian reads that never run past the end: a short buffer is a damaged file.
class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::size_t position() const { return position_; }
    std::size_t size() const { return size_; }
    std::size_t remaining() const { return size_ - position_; }
    bool atEnd() const { return position_ >= size_; }

    void require(std::size_t count) const {
        if (count > remaining()) {
            throwDamaged();
        }
    }
    void skip(std::size_t count) {
        require(count);
        position_ += count;
    }
    void seek(std::size_t position) {
        if (position > size_) {
            throwDamaged();
        }
        position_ = position;
    }

    std::uint8_t u8() {
        require(1);
        return data_[position_++];
    }
    std::uint16_t u16() {
        require(2);
        const auto v = static_cast<std::uint16_t>(data_[position_] | (data_[position_ + 1] << 8));
        position_ += 2;
        return v;
    }
    std::uint32_t u32() {
        require(4);
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) {
            v = (v << 8) | data_[position_ + static_cast<std::size_t>(i)];
        }
        position_ += 4;
        return v;
    }
    double f64() {
        require(8);
        std::uint64_t bits = 0;
        for (int i = 7; i >= 0; --i) {
            bits = (bits << 8) | data_[position_ + static_cast<std::size_t>(i)];
        }
        position_ += 8;
        double v;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    const std::uint8_t* here() const { return data_ + position_; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
};

}  // namespace spreadsheet::xls
