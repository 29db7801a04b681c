#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

namespace spreadsheet::xls {

// 8-bit text of Excel 5/95 files in the code page their CODEPAGE record names (1250 for Czech
// Windows, 1252 for Western ones). Unknown code pages fall back to Windows-1252.
QString decodeCodePage(const std::uint8_t* bytes, std::size_t count, int codePage);

}  // namespace spreadsheet::xls
