#pragma once

#include "../WorkbookData.h"

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// Reads the BIFF8 (Excel 97-2003) or BIFF5 (Excel 5/95) workbook stream of an .xls file:
// sheets in order with their cell values, the active sheet, and each sheet's selection and
// active cell. Formatting, formulas (only their cached results are kept), drawings and
// everything else are skipped. Throws XlsFormatError for anything it cannot read.
WorkbookData parseWorkbookStream(const std::vector<std::uint8_t>& stream);

}  // namespace spreadsheet::xls
