#include "WorkbookRef.h"

#include "Application.h"
#include "SpreadsheetError.h"
#include "Workbook.h"

#include <QFileInfo>

namespace spreadsheet {

std::shared_ptr<Workbook> WorkbookRef::locked() const {
    auto workbook = workbook_.lock();
    if (!workbook || !workbook->application().isRunning()) {
        throwObjectGone();
    }
    return workbook;
}

QString WorkbookRef::name() const {
    return locked()->name();
}

QString WorkbookRef::fullName() const {
    const auto workbook = locked();
    return workbook->path().isEmpty() ? workbook->name() : workbook->path();
}

UnkeptParts WorkbookRef::unkeptParts() const {
    return locked()->unkeptParts();
}

QString WorkbookRef::path() const {
    return locked()->path();
}

int WorkbookRef::sheetCount() const {
    return locked()->sheetCount();
}

SheetRef WorkbookRef::sheet(int index) const {
    const auto workbook = locked();
    auto sheet = workbook->sheetAt(index - 1);
    if (!sheet) {
        throw SpreadsheetError(
            SubscriptOutOfRange,
            QStringLiteral("Sešit %1 nemá list číslo %2.").arg(workbook->name()).arg(index));
    }
    return SheetRef(sheet);
}

SheetRef WorkbookRef::sheet(const QString& name) const {
    const auto workbook = locked();
    auto sheet = workbook->sheetNamed(name);
    if (!sheet) {
        throw SpreadsheetError(
            SubscriptOutOfRange,
            QStringLiteral("Sešit %1 nemá list „%2“.").arg(workbook->name(), name));
    }
    return SheetRef(sheet);
}

SheetRef WorkbookRef::activeSheet() const {
    return SheetRef(locked()->activeSheet());
}

void WorkbookRef::activate() const {
    const auto workbook = locked();
    workbook->application().activate(*workbook);
}

void WorkbookRef::saveAs(const QString& filename, const SaveAsOptions& options) const {
    const auto workbook = locked();
    if (options.fileFormat != SaveAsOptions::xlNormal || !options.password.isEmpty() ||
        !options.writeResPassword.isEmpty() || options.readOnlyRecommended ||
        options.createBackup) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("Sešit lze uložit jen jako běžný sešit Excel 97-2003 bez hesla."));
    }
    Application& application = workbook->application();
    const QString path = application.resolvePath(filename);
    const QString windowName = QFileInfo(path).fileName();
    if (application.isNameTakenByOther(windowName, *workbook)) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("Sešit nelze uložit jako %1: sešit stejného jména je otevřen.")
                .arg(windowName));
    }
    workbook->writeTo(path);
    application.notifyWorkbooksChanged();
}

void WorkbookRef::save() const {
    const auto workbook = locked();
    if (workbook->path().isEmpty()) {
        saveAs(workbook->name());
        return;
    }
    if (workbook->needsWrite()) {
        workbook->writeTo(workbook->path());
    }
}

bool WorkbookRef::hasUnsavedChanges() const {
    return locked()->hasUnsavedChanges();
}

void WorkbookRef::close() const {
    const auto workbook = locked();
    workbook->application().close(*workbook);
}

}  // namespace spreadsheet
