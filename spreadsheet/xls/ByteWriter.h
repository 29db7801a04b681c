#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace spreadsheet::xls {

// Little-endian output into a growing buffer.
class ByteWriter {
public:
    std::vector<std::uint8_t>& bytes() { return bytes_; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

    void u8(std::uint8_t v) { bytes_.push_back(v); }
    void u16(std::uint16_t v) {
        bytes_.push_back(static_cast<std::uint8_t>(v));
        bytes_.push_back(static_cast<std::uint8_t>(v >> 8));
    }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        }
    }
    void f64(double v) {
        std::uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) {
            bytes_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        }
    }
    void append(const std::vector<std::uint8_t>& more) {
        bytes_.insert(bytes_.end(), more.begin(), more.end());
    }
    void patchU32(std::size_t position, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            bytes_[position + static_cast<std::size_t>(i)] =
                static_cast<std::uint8_t>(v >> (8 * i));
        }
    }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace spreadsheet::xls
