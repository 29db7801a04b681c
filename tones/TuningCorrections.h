#pragma once

#include "spreadsheet/WorkbookData.h"

#include <QString>

namespace tones {

// Cells of earlier tuning databases later found wrong. A player's own copy of the database
// keeps the shipped tones of its time, so each correction is applied there, but only to a cell
// that still holds exactly the old text: a cell the player changed himself stays his.
struct TuningCellCorrection {
    const char* sheet;
    int button;  // the number in column A of the button's row
    int column;  // 2 push, 3 pull
    const char* oldText;
    const char* newText;
};

// Applies the known corrections to a database in memory; how many cells changed.
int applyTuningCorrections(spreadsheet::WorkbookData& database);

// The same for the database file at `path`, saved (atomically) only when a cell changed;
// true when it was. Throws SpreadsheetError 1004 when the file cannot be read or written.
bool correctTuningDatabase(const QString& path);

}  // namespace tones
