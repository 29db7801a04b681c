#pragma once

#include "Sheet.h"

#include <memory>
#include <vector>

namespace spreadsheet {

// What a workbook file holds: its sheets in order and which one is active.
struct WorkbookData {
    std::vector<std::shared_ptr<Sheet>> sheets;
    int activeSheet = 0;  // index into sheets
};

}  // namespace spreadsheet
