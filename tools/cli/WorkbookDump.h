#pragma once

#include "spreadsheet/WorkbookData.h"

#include <QString>

namespace tools {

// The text of `mechik-cli dump`: per sheet "sheet<TAB>NAME[<TAB>active]", "cursor<TAB>$B$7",
// then "ADDRESS<TAB>TEXT" for every non-empty cell, rows top to bottom.
QString dumpWorkbook(const spreadsheet::WorkbookData& workbook);

// Backslash, tab, newline and carriage return written as \\, \t, \n and \r.
QString escapeCellText(const QString& text);

}  // namespace tools
