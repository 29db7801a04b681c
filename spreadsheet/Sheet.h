#pragma once

#include "CellAddress.h"
#include "CellValue.h"

#include <QString>

#include <functional>
#include <vector>

namespace spreadsheet {

class Workbook;

// One worksheet: its name, its cells and its selection with the active cell. Each sheet keeps
// its own selection, so coming back to a sheet finds the cursor where it was left.
class Sheet {
public:
    explicit Sheet(QString name = {}) : name_(std::move(name)) {}

    const QString& name() const { return name_; }
    void setNameUnchecked(QString name) { name_ = std::move(name); }

    const CellValue& value(CellAddress cell) const;
    void setValue(CellAddress cell, CellValue value);
    void clear(const CellRect& rect);

    const CellRect& selection() const { return selection_; }
    CellAddress activeCell() const { return activeCell_; }
    // The active cell must lie inside the selection; a cell outside it becomes the selection.
    void setSelection(const CellRect& selection, CellAddress activeCell);

    // Non-empty cells, rows top to bottom, columns left to right.
    void forEachCell(const std::function<void(CellAddress, const CellValue&)>& visit) const;
    // The smallest rectangle holding every non-empty cell; nothing when the sheet is empty.
    std::optional<CellRect> usedRect() const;
    bool isEmpty() const { return !usedRect().has_value(); }
    // Rows for which storage exists; a reader uses it to bound what a file may make it allocate.
    int rowCapacity() const { return static_cast<int>(rows_.size()); }

    Workbook* workbook() const { return workbook_; }
    void setWorkbook(Workbook* workbook) { workbook_ = workbook; }

private:
    void markModified();

    QString name_;
    std::vector<std::vector<CellValue>> rows_;  // rows_[row - 1][column - 1]
    CellRect selection_ = CellRect::single({1, 1});
    CellAddress activeCell_{1, 1};
    Workbook* workbook_ = nullptr;
};

// Excel's rules for a sheet name: 1 to 31 characters, none of []:*?/\, no apostrophe at
// either end. Returns the reason in Czech, or the empty text when the name is fine.
QString sheetNameProblem(const QString& name);

}  // namespace spreadsheet
