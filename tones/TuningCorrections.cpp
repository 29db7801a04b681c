#include "TuningCorrections.h"

#include "TuningTable.h"
#include "spreadsheet/xls/XlsFile.h"

namespace tones {

namespace {

using spreadsheet::CellValue;

// Club C-F's helper row was shipped an octave too high on four buttons.
const TuningCellCorrection KnownCorrections[] = {
    {"Club C-F", 4, 2, "fis3,", "fis2,"},
    {"Club C-F", 5, 2, "d3,", "d2,"},
    {"Club C-F", 7, 2, "fis2,", "fis1,"},
    {"Club C-F", 9, 3, "cis2,", "cis1,"},
};

bool apply(const TuningCellCorrection& correction, spreadsheet::Sheet& sheet) {
    // The row the program itself takes for the button.
    const auto row = TuningTable::fromSheet(sheet).trebleRowOf(correction.button);
    if (!row) {
        return false;
    }
    const spreadsheet::CellAddress cell{*row, correction.column};
    if (sheet.value(cell) != CellValue(correction.oldText)) {
        return false;
    }
    sheet.setValue(cell, CellValue(correction.newText));
    return true;
}

}  // namespace

int applyTuningCorrections(spreadsheet::WorkbookData& database) {
    int changed = 0;
    for (const auto& correction : KnownCorrections) {
        for (const auto& sheet : database.sheets) {
            if (sheet->name() == QLatin1String(correction.sheet) && apply(correction, *sheet)) {
                ++changed;
            }
        }
    }
    return changed;
}

bool correctTuningDatabase(const QString& path) {
    spreadsheet::WorkbookData database = spreadsheet::xls::readXlsFile(path);
    if (applyTuningCorrections(database) == 0) {
        return false;
    }
    spreadsheet::xls::writeXlsFile(path, database);
    return true;
}

}  // namespace tones
