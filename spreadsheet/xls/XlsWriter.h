#pragma once

#include "../Sheet.h"

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// The BIFF8 workbook stream of a plain Excel 97-2003 workbook: the sheets in order with their
// names, text, number and boolean cells, the active sheet and each sheet's selection and
// active cell. Throws XlsFormatError for what the format cannot hold.
std::vector<std::uint8_t> buildWorkbookStream(const std::vector<const Sheet*>& sheets,
                                              int activeSheet);

}  // namespace spreadsheet::xls
