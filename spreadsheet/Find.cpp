#include "Find.h"

#include "Sheet.h"

namespace spreadsheet {

namespace {

bool matches(const CellValue& cell, const QString& what) {
    if (what.isEmpty()) {
        return cell.isEmpty();
    }
    return !cell.isEmpty() && cell.text().contains(what, Qt::CaseInsensitive);
}

}  // namespace

std::optional<CellAddress> findInArea(const Sheet& sheet, const CellRect& area, CellAddress after,
                                      const QString& what) {
    const long long width = area.columnCount();
    const long long count = width * area.rowCount();
    const long long start =
        (after.row - area.first.row) * width + (after.column - area.first.column);
    for (long long step = 1; step <= count; ++step) {
        const long long index = (start + step) % count;
        const CellAddress cell{area.first.row + static_cast<int>(index / width),
                               area.first.column + static_cast<int>(index % width)};
        if (matches(sheet.value(cell), what)) {
            return cell;
        }
    }
    return std::nullopt;
}

}  // namespace spreadsheet
