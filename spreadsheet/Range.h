#pragma once

#include "CellAddress.h"
#include "CellValue.h"

#include <QString>

#include <memory>

namespace spreadsheet {

class Sheet;

// A handle on cells of one sheet, as a spreadsheet hands out ranges: it outlives nothing. Once
// its workbook is closed or the application quit, every use throws error 91; so does every use
// of the empty handle that a search without a result gives.
class Range {
public:
    Range() = default;  // "Nothing"
    Range(std::weak_ptr<Sheet> sheet, CellRect rect) : sheet_(std::move(sheet)), rect_(rect) {}

    explicit operator bool() const { return !sheet_.expired(); }

    int row() const;
    int column() const;
    QString address() const;  // absolute: "$B$1", "$B$1:$B$500"
    CellRect rect() const;

    CellValue value() const;  // the first cell's
    QString text() const { return value().text(); }
    void setValue(const CellValue& value) const;  // every cell of the range
    void clearContents() const;

    // Both need the range's sheet to be the active sheet of the active workbook (error 1004).
    void select() const;    // the range becomes the selection, its first cell the active cell
    void activate() const;  // a cell inside the selection only moves the active cell

    Range offset(int rows, int columns) const;
    // An address taken relative to this range's first cell: "A1" is that cell itself.
    Range range(const QString& relativeAddress) const;

    // The program's one search (see findInArea): within this range, after `after`, by rows,
    // part of the cell, case ignored. The empty handle when no cell matches.
    Range find(const CellValue& what, const Range& after) const;
    Range find(const QString& what, const Range& after) const {
        return find(CellValue(what), after);
    }

    // "B1:B500", "$B$7": error 1004 for anything that is no address of a sheet.
    static CellRect parseAddress(const QString& address);

private:
    std::shared_ptr<Sheet> lockedSheet() const;
    std::shared_ptr<Sheet> activeSheetOrThrow() const;  // error 1004 unless active
    Range shifted(int rows, int columns, const CellRect& base) const;

    std::weak_ptr<Sheet> sheet_;
    CellRect rect_;
};

}  // namespace spreadsheet
