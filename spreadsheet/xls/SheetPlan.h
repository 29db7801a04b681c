#pragma once

#include "../Sheet.h"
#include "KeptRecords.h"

#include <array>
#include <cstdint>
#include <vector>

namespace spreadsheet::xls {

// One cell record to write: a value, a formatted empty cell, or a kept formula.
struct PlannedCell {
    enum class Kind { Value, Blank, Formula };
    Kind kind = Kind::Value;
    int column0 = 0;
    std::uint16_t format = DefaultCellFormat;
    const CellValue* value = nullptr;                           // Value
    const std::vector<std::uint8_t>* runs = nullptr;            // a text's formatting runs
    const std::vector<std::uint8_t>* formulaRecords = nullptr;  // Formula
    std::uint32_t stringIndex = 0;                              // a text's shared string
};

struct PlannedRow {
    int row0 = 0;
    const std::array<std::uint8_t, 16>* kept = nullptr;  // the ROW record read, if any
    std::vector<PlannedCell> cells;                      // left to right
};

// What a sheet's cell table holds, row by row: its values with their formats, the formatted
// empty cells, and the formulas still holding the results they were read with. A formula
// cell written since reading becomes a plain value; so do the cells of a shared or array
// formula whose defining cell was written.
std::vector<PlannedRow> planCellTable(const Sheet& sheet, const KeptSheet* kept);

}  // namespace spreadsheet::xls
