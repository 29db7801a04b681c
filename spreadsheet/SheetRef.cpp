#include "SheetRef.h"

#include "Application.h"
#include "Sheet.h"
#include "SpreadsheetError.h"
#include "Workbook.h"

namespace spreadsheet {

std::shared_ptr<Sheet> SheetRef::lockedSheet() const {
    auto sheet = sheet_.lock();
    if (!sheet || !sheet->workbook() || !sheet->workbook()->application().isRunning()) {
        throwObjectGone();
    }
    return sheet;
}

QString SheetRef::name() const {
    return lockedSheet()->name();
}

void SheetRef::setName(const QString& name) const {
    const auto sheet = lockedSheet();
    sheet->workbook()->renameSheet(*sheet, name);
    sheet->workbook()->application().notifyWorkbooksChanged();
}

int SheetRef::index() const {
    const auto sheet = lockedSheet();
    return sheet->workbook()->indexOf(*sheet) + 1;
}

SheetRef SheetRef::next() const {
    const auto sheet = lockedSheet();
    const Workbook* workbook = sheet->workbook();
    return SheetRef(workbook->sheetAt(workbook->indexOf(*sheet) + 1));
}

void SheetRef::select() const {
    const auto sheet = lockedSheet();
    Workbook* workbook = sheet->workbook();
    if (!workbook->application().isActiveWorkbook(*workbook)) {
        throw SpreadsheetError(FileOrCellOperation,
                               QStringLiteral("List „%1“ nelze vybrat: sešit %2 není aktivní.")
                                   .arg(sheet->name(), workbook->name()));
    }
    workbook->setActiveSheet(*sheet);
    workbook->application().notifyWorkbooksChanged();
}

Range SheetRef::range(const QString& address) const {
    lockedSheet();
    return Range(sheet_, Range::parseAddress(address));
}

}  // namespace spreadsheet
