#include "Range.h"

#include "Application.h"
#include "Find.h"
#include "Sheet.h"
#include "SpreadsheetError.h"
#include "Workbook.h"

namespace spreadsheet {

namespace {

[[noreturn]] void throwOutsideSheet() {
    throw SpreadsheetError(FileOrCellOperation,
                           QStringLiteral("Odkaz míří mimo list (nejvýše %1 řádků a %2 sloupců).")
                               .arg(MaxRows)
                               .arg(MaxColumns));
}

}  // namespace

std::shared_ptr<Sheet> Range::lockedSheet() const {
    auto sheet = sheet_.lock();
    if (!sheet || !sheet->workbook() || !sheet->workbook()->application().isRunning()) {
        throwObjectGone();
    }
    return sheet;
}

int Range::row() const {
    lockedSheet();
    return rect_.first.row;
}

int Range::column() const {
    lockedSheet();
    return rect_.first.column;
}

QString Range::address() const {
    lockedSheet();
    return rect_.toAbsolute();
}

CellRect Range::rect() const {
    lockedSheet();
    return rect_;
}

CellValue Range::value() const {
    return lockedSheet()->value(rect_.first);
}

void Range::setValue(const CellValue& value) const {
    const auto sheet = lockedSheet();
    for (int r = rect_.first.row; r <= rect_.last.row; ++r) {
        for (int c = rect_.first.column; c <= rect_.last.column; ++c) {
            sheet->setValue({r, c}, value);
        }
    }
    sheet->workbook()->application().notifyCellsChanged(*sheet);
}

void Range::clearContents() const {
    const auto sheet = lockedSheet();
    sheet->clear(rect_);
    sheet->workbook()->application().notifyCellsChanged(*sheet);
}

std::shared_ptr<Sheet> Range::activeSheetOrThrow() const {
    auto sheet = lockedSheet();
    Workbook* workbook = sheet->workbook();
    if (!workbook->application().isActiveWorkbook(*workbook) || workbook->activeSheet() != sheet) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("Oblast %1 nelze vybrat: její list „%2“ není aktivní.")
                .arg(rect_.toAbsolute(), sheet->name()));
    }
    return sheet;
}

void Range::select() const {
    const auto sheet = activeSheetOrThrow();
    sheet->setSelection(rect_, rect_.first);
    sheet->workbook()->application().notifySelectionChanged(*sheet);
}

void Range::activate() const {
    const auto sheet = activeSheetOrThrow();
    if (rect_.isSingleCell() && sheet->selection().contains(rect_.first)) {
        sheet->setSelection(sheet->selection(), rect_.first);
    } else {
        sheet->setSelection(rect_, rect_.first);
    }
    sheet->workbook()->application().notifySelectionChanged(*sheet);
}

Range Range::shifted(int rows, int columns, const CellRect& base) const {
    const CellRect moved{{base.first.row + rows, base.first.column + columns},
                         {base.last.row + rows, base.last.column + columns}};
    if (!moved.first.isValid() || !moved.last.isValid()) {
        throwOutsideSheet();
    }
    return Range(sheet_, moved);
}

Range Range::offset(int rows, int columns) const {
    lockedSheet();
    return shifted(rows, columns, rect_);
}

CellRect Range::parseAddress(const QString& address) {
    const auto rect = CellRect::parse(address);
    if (!rect) {
        throw SpreadsheetError(FileOrCellOperation,
                               QStringLiteral("Neplatná adresa buňky „%1“.").arg(address));
    }
    return *rect;
}

Range Range::range(const QString& relativeAddress) const {
    lockedSheet();
    return shifted(rect_.first.row - 1, rect_.first.column - 1, parseAddress(relativeAddress));
}

Range Range::find(const CellValue& what, const Range& after) const {
    const auto sheet = lockedSheet();
    const auto afterSheet = after.lockedSheet();
    if (afterSheet != sheet || !rect_.contains(after.rect_.first)) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("Hledání nelze začít za buňkou %1: neleží v prohledávané oblasti %2.")
                .arg(after.rect_.first.toAbsolute(), rect_.toAbsolute()));
    }
    const auto found = findInArea(*sheet, rect_, after.rect_.first, what.text());
    if (!found) {
        return {};
    }
    return Range(sheet_, CellRect::single(*found));
}

}  // namespace spreadsheet
