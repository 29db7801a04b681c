#pragma once

#include "Sheet.h"
#include "UnkeptParts.h"

#include <memory>
#include <vector>

namespace spreadsheet {

namespace xls {
struct KeptWorkbook;
}

// What a workbook file holds: its sheets in order and which one is active.
struct WorkbookData {
    std::vector<std::shared_ptr<Sheet>> sheets;
    int activeSheet = 0;  // index into sheets
    // What the file held beyond the cells, for the next save; none for a new workbook.
    std::shared_ptr<const xls::KeptWorkbook> kept;
    // What the file held that no save can write back.
    UnkeptParts unkept;
};

}  // namespace spreadsheet
