#pragma once

#include "../Sheet.h"
#include "ByteWriter.h"
#include "KeptRecords.h"
#include "SheetPlan.h"

#include <vector>

namespace spreadsheet::xls {

// One sheet's substream: its settings before and after the cell table as they were read (a
// new sheet has none), the cell table in blocks of 32 rows each closed by a DBCELL record, and
// the INDEX pointing at those. The view records carry the sheet's selection and whether it is
// the active sheet.
void writeSheet(ByteWriter& out, const Sheet& sheet, const std::vector<PlannedRow>& rows,
                const KeptSheet* kept, bool active);

}  // namespace spreadsheet::xls
