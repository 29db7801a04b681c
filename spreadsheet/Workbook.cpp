#include "Workbook.h"

#include "SpreadsheetError.h"
#include "xls/XlsFile.h"

#include <QDir>
#include <QFileInfo>

namespace spreadsheet {

Workbook::Workbook(Application& application, QString name, QString path, WorkbookData data)
    : application_(application),
      name_(std::move(name)),
      path_(std::move(path)),
      readFrom_(path_),
      sheets_(std::move(data)) {
    for (const auto& sheet : sheets_.sheets) {
        sheet->setWorkbook(this);
    }
    if (sheets_.activeSheet < 0 || sheets_.activeSheet >= sheetCount()) {
        sheets_.activeSheet = 0;
    }
    writtenActiveSheet_ = sheets_.activeSheet;
}

Workbook::~Workbook() {
    for (const auto& sheet : sheets_.sheets) {
        sheet->setWorkbook(nullptr);
    }
}

std::shared_ptr<Sheet> Workbook::sheetAt(int index) const {
    if (index < 0 || index >= sheetCount()) {
        return nullptr;
    }
    return sheets_.sheets[static_cast<size_t>(index)];
}

std::shared_ptr<Sheet> Workbook::sheetNamed(const QString& name) const {
    for (const auto& sheet : sheets_.sheets) {
        if (sheet->name().compare(name, Qt::CaseInsensitive) == 0) {
            return sheet;
        }
    }
    return nullptr;
}

int Workbook::indexOf(const Sheet& sheet) const {
    for (int i = 0; i < sheetCount(); ++i) {
        if (sheets_.sheets[static_cast<size_t>(i)].get() == &sheet) {
            return i;
        }
    }
    return -1;
}

std::shared_ptr<Sheet> Workbook::activeSheet() const {
    return sheetAt(sheets_.activeSheet);
}

void Workbook::setActiveSheet(const Sheet& sheet) {
    const int index = indexOf(sheet);
    if (index >= 0) {
        sheets_.activeSheet = index;
    }
}

void Workbook::renameSheet(Sheet& sheet, const QString& newName) {
    const QString problem = sheetNameProblem(newName);
    if (!problem.isEmpty()) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("List nelze přejmenovat na „%1“. ").arg(newName) + problem);
    }
    const auto other = sheetNamed(newName);
    if (other && other.get() != &sheet) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("List nelze přejmenovat na „%1“: list tohoto názvu už v sešitu je.")
                .arg(newName));
    }
    if (sheet.name() != newName) {
        sheet.setNameUnchecked(newName);
        markModified();
    }
}

void Workbook::writeTo(const QString& path) {
    if (sheets_.unkept.any() && !readFrom_.isEmpty() && QFileInfo(path) == QFileInfo(readFrom_)) {
        throw SpreadsheetError(
            FileOrCellOperation,
            QStringLiteral("Soubor %1 nelze uložit: obsahuje %2, které Mechík neumí uložit, a "
                           "přepsáním by se ztratily. Soubor zůstal beze změny; uložte sešit pod "
                           "jiným názvem.")
                .arg(QDir::toNativeSeparators(readFrom_), describeInCzech(sheets_.unkept)));
    }
    std::vector<const Sheet*> sheets;
    for (const auto& sheet : sheets_.sheets) {
        sheets.push_back(sheet.get());
    }
    xls::writeXlsFile(path, sheets, sheets_.activeSheet, sheets_.kept.get());
    path_ = QFileInfo(path).absoluteFilePath();
    name_ = QFileInfo(path).fileName();
    modified_ = false;
    cursorMoved_ = false;
    rewritten_ = true;
    writtenActiveSheet_ = sheets_.activeSheet;
}

bool Workbook::hasUnsavedChanges() const {
    return modified_ || sheets_.activeSheet != writtenActiveSheet_;
}

bool Workbook::needsWrite() const {
    return path_.isEmpty() || hasUnsavedChanges() || (rewritten_ && cursorMoved_);
}

}  // namespace spreadsheet
