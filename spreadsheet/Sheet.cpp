#include "Sheet.h"

#include "Workbook.h"

namespace spreadsheet {

namespace {
const CellValue emptyValue;
}

const CellValue& Sheet::value(CellAddress cell) const {
    const auto r = static_cast<size_t>(cell.row - 1);
    const auto c = static_cast<size_t>(cell.column - 1);
    if (r >= rows_.size() || c >= rows_[r].size()) {
        return emptyValue;
    }
    return rows_[r][c];
}

void Sheet::setValue(CellAddress cell, CellValue value) {
    if (!cell.isValid()) {
        return;
    }
    const auto r = static_cast<size_t>(cell.row - 1);
    const auto c = static_cast<size_t>(cell.column - 1);
    if (value.isEmpty() && (r >= rows_.size() || c >= rows_[r].size())) {
        return;
    }
    if (r >= rows_.size()) {
        rows_.resize(r + 1);
    }
    auto& row = rows_[r];
    if (c >= row.size()) {
        row.resize(c + 1);
    }
    if (row[c] == value) {
        return;
    }
    row[c] = std::move(value);
    markModified();
}

void Sheet::markModified() {
    if (workbook_) {
        workbook_->markModified();
    }
}

void Sheet::clear(const CellRect& rect) {
    for (int r = rect.first.row; r <= rect.last.row && r <= static_cast<int>(rows_.size()); ++r) {
        auto& row = rows_[static_cast<size_t>(r - 1)];
        for (int c = rect.first.column; c <= rect.last.column && c <= static_cast<int>(row.size());
             ++c) {
            CellValue& cellValue = row[static_cast<size_t>(c - 1)];
            if (!cellValue.isEmpty()) {
                cellValue = CellValue();
                markModified();
            }
        }
    }
}

void Sheet::setSelection(const CellRect& selection, CellAddress activeCell) {
    const CellRect chosen =
        selection.contains(activeCell) ? selection : CellRect::single(activeCell);
    if (chosen == selection_ && activeCell == activeCell_) {
        return;
    }
    selection_ = chosen;
    activeCell_ = activeCell;
    if (workbook_) {
        workbook_->markCursorMoved();
    }
}

void Sheet::forEachCell(const std::function<void(CellAddress, const CellValue&)>& visit) const {
    for (size_t r = 0; r < rows_.size(); ++r) {
        const auto& row = rows_[r];
        for (size_t c = 0; c < row.size(); ++c) {
            if (!row[c].isEmpty()) {
                visit({static_cast<int>(r + 1), static_cast<int>(c + 1)}, row[c]);
            }
        }
    }
}

std::optional<CellRect> Sheet::usedRect() const {
    std::optional<CellRect> used;
    forEachCell([&used](CellAddress cell, const CellValue&) {
        if (!used) {
            used = CellRect::single(cell);
            return;
        }
        used->first.row = std::min(used->first.row, cell.row);
        used->first.column = std::min(used->first.column, cell.column);
        used->last.row = std::max(used->last.row, cell.row);
        used->last.column = std::max(used->last.column, cell.column);
    });
    return used;
}

QString sheetNameProblem(const QString& name) {
    if (name.isEmpty()) {
        return QStringLiteral("Název listu nesmí být prázdný.");
    }
    if (name.size() > 31) {
        return QStringLiteral("Název listu smí mít nejvýše 31 znaků.");
    }
    for (const QChar c : name) {
        if (QStringView(u"[]:*?/\\").contains(c)) {
            return QStringLiteral("Název listu nesmí obsahovat znaky [ ] : * ? / \\.");
        }
    }
    if (name.startsWith(u'\'') || name.endsWith(u'\'')) {
        return QStringLiteral("Název listu nesmí začínat ani končit apostrofem.");
    }
    return {};
}

}  // namespace spreadsheet
