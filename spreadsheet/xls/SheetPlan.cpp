#include "SheetPlan.h"

#include <algorithm>
#include <unordered_set>

namespace spreadsheet::xls {

namespace {

CellAddress addressOf(std::uint32_t key) {
    return {static_cast<int>(key >> 8) + 1, static_cast<int>(key & 0xFF) + 1};
}

struct PlacedCell {
    std::uint32_t key;
    PlannedCell cell;
};

// The formulas that can be written as they were read.
std::unordered_set<std::uint32_t> keptFormulas(const Sheet& sheet, const KeptSheet& kept) {
    std::unordered_set<std::uint32_t> broken;
    for (const auto& [key, formula] : kept.formulas) {
        if (sheet.value(addressOf(key)) == formula.cachedResult) {
            continue;
        }
        broken.insert(key);
        const auto definition = kept.formulas.find(formula.definitionKey);
        if (formula.usesDefinition && definition != kept.formulas.end() &&
            definition->second.isArrayOrTable) {
            broken.insert(formula.definitionKey);  // an array's cells change only together
        }
    }
    std::unordered_set<std::uint32_t> result;
    for (const auto& [key, formula] : kept.formulas) {
        if (broken.count(key)) {
            continue;
        }
        if (formula.usesDefinition) {
            const auto definition = kept.formulas.find(formula.definitionKey);
            if (definition == kept.formulas.end() || !definition->second.isDefinition ||
                broken.count(formula.definitionKey)) {
                continue;
            }
        }
        result.insert(key);
    }
    return result;
}

std::vector<PlacedCell> placeCells(const Sheet& sheet, const KeptSheet* kept) {
    std::vector<PlacedCell> cells;
    const auto formulas = kept ? keptFormulas(sheet, *kept) : std::unordered_set<std::uint32_t>{};
    int rowFormatOf = -1;
    std::optional<std::uint16_t> rowFormat;
    sheet.forEachCell([&](CellAddress address, const CellValue& value) {
        const std::uint32_t key = cellKey(address.row - 1, address.column - 1);
        if (formulas.count(key)) {
            return;
        }
        PlannedCell cell;
        cell.column0 = address.column - 1;
        cell.value = &value;
        if (kept) {
            const std::uint16_t format = kept->formatOf(address.row - 1, address.column - 1);
            if (format == NoFormat && rowFormatOf != address.row) {
                rowFormatOf = address.row;
                rowFormat = kept->rowFormat(address.row - 1);
            }
            cell.format = format != NoFormat ? format
                          : rowFormat        ? *rowFormat
                                             : kept->columnFormat(address.column - 1);
            const auto rich = kept->richTexts.find(key);
            if (value.isText() && rich != kept->richTexts.end() &&
                rich->second.text == value.text()) {
                cell.runs = &rich->second.runs;
            }
        }
        cells.push_back({key, cell});
    });
    if (!kept) {
        return cells;
    }
    for (const std::uint32_t key : formulas) {
        PlannedCell cell;
        cell.kind = PlannedCell::Kind::Formula;
        cell.column0 = static_cast<int>(key & 0xFF);
        cell.formulaRecords = &kept->formulas.at(key).records;
        cells.push_back({key, cell});
    }
    for (std::size_t r = 0; r < kept->cellFormats.size(); ++r) {
        const auto& row = kept->cellFormats[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::uint32_t key = cellKey(static_cast<int>(r), static_cast<int>(c));
            if (row[c] == NoFormat || !sheet.value(addressOf(key)).isEmpty() ||
                formulas.count(key)) {
                continue;
            }
            PlannedCell cell;
            cell.kind = PlannedCell::Kind::Blank;
            cell.column0 = static_cast<int>(c);
            cell.format = row[c];
            cells.push_back({key, cell});
        }
    }
    std::sort(cells.begin(), cells.end(),
              [](const PlacedCell& a, const PlacedCell& b) { return a.key < b.key; });
    return cells;
}

}  // namespace

std::vector<PlannedRow> planCellTable(const Sheet& sheet, const KeptSheet* kept) {
    std::vector<PlannedRow> rows;
    const auto cells = placeCells(sheet, kept);
    static const std::vector<KeptRow> noRows;
    const auto& keptRows = kept ? kept->rows : noRows;
    auto keptRow = keptRows.begin();
    const auto keptEnd = keptRows.end();
    auto addKeptRowsBefore = [&](int row0) {
        for (; keptRow != keptEnd && keptRow->row0 < row0; ++keptRow) {
            rows.push_back({keptRow->row0, &keptRow->body, {}});
        }
    };
    for (const PlacedCell& placed : cells) {
        const int row0 = static_cast<int>(placed.key >> 8);
        if (rows.empty() || rows.back().row0 != row0) {
            addKeptRowsBefore(row0);
            PlannedRow row{row0, nullptr, {}};
            if (keptRow != keptEnd && keptRow->row0 == row0) {
                row.kept = &(keptRow++)->body;
            }
            rows.push_back(std::move(row));
        }
        rows.back().cells.push_back(placed.cell);
    }
    addKeptRowsBefore(1 << 20);
    return rows;
}

}  // namespace spreadsheet::xls
