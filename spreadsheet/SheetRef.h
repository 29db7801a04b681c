#pragma once

#include "Range.h"

#include <QString>

#include <memory>

namespace spreadsheet {

class Sheet;

// A handle on a sheet of an open workbook; error 91 once the workbook is gone, and for the
// empty handle (the sheet after the last one).
class SheetRef {
public:
    SheetRef() = default;
    explicit SheetRef(std::weak_ptr<Sheet> sheet) : sheet_(std::move(sheet)) {}

    explicit operator bool() const { return !sheet_.expired(); }

    QString name() const;
    void setName(const QString& name) const;  // Excel's naming rules; error 1004 otherwise
    int index() const;                        // 1-based, in workbook order
    SheetRef next() const;                    // empty after the last sheet

    // Makes this the active sheet; its workbook must be the active one (error 1004).
    void select() const;
    void activate() const { select(); }

    // Cells of this sheet, whether it is active or not.
    Range range(const QString& address) const;
    // The sheet itself, to read it whole at once rather than cell by cell.
    std::shared_ptr<const Sheet> contents() const { return lockedSheet(); }

private:
    std::shared_ptr<Sheet> lockedSheet() const;

    std::weak_ptr<Sheet> sheet_;
};

}  // namespace spreadsheet
