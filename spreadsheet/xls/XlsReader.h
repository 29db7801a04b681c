#pragma once

#include "../WorkbookData.h"
#include "CompoundFile.h"

#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// Reads the BIFF8 (Excel 97-2003) or BIFF5 (Excel 5/95) workbook stream of an .xls file:
// sheets in order with their cell values, the active sheet, and each sheet's selection and
// active cell (formulas give their cached results). What a save must write back besides the
// cells (formats, formulas, sheet settings, names, and the container's property streams,
// given here) goes into the data's kept records; drawings, charts and macros, which cannot be
// written back, are named in its unkept parts. Throws XlsFormatError for anything it cannot
// read.
WorkbookData parseWorkbookStream(const std::vector<std::uint8_t>& stream,
                                 std::vector<NamedStream> propertyStreams = {});

}  // namespace spreadsheet::xls
