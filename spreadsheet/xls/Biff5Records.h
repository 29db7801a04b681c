#pragma once

#include "RecordStream.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace spreadsheet::xls {

// Excel 5/95 records in the layout of Excel 97, for a workbook read from an Excel 5 file and
// saved as Excel 97. Formats, columns, rows, page settings and the view convert safely; for
// any other record (formulas' tokens, names, drawings) nothing is given and it is left out.
std::optional<std::vector<std::uint8_t>> biff8GlobalsBody(const Record& record, int codePage);
std::optional<std::vector<std::uint8_t>> biff8SheetBody(const Record& record, int codePage);

}  // namespace spreadsheet::xls
