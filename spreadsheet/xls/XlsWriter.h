#pragma once

#include "../Sheet.h"
#include "KeptRecords.h"

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// The BIFF8 workbook stream of the sheets in order with their names and cells, the active
// sheet and each sheet's selection and active cell. With the records kept from the file the
// workbook was read from, its formats, formulas, sheet settings and names are written back
// too; without, it is a plain workbook. Throws XlsFormatError for what the format cannot hold.
std::vector<std::uint8_t> buildWorkbookStream(const std::vector<const Sheet*>& sheets,
                                              int activeSheet, const KeptWorkbook* kept = nullptr);

}  // namespace spreadsheet::xls
