#pragma once

#include "spreadsheet/Range.h"

#include <QString>

namespace spreadsheet {
class Application;
}

namespace tones {

// The next cell of the selection, after the active cell, whose whole text equals `value`
// (case counts), in the spreadsheet's search order: rows below the active cell first, the
// first row of the selection last. The found cell becomes the active cell. The empty handle
// when no cell holds exactly that text: a cell that merely contains it never counts.
spreadsheet::Range findWholeCell(spreadsheet::Application& host, const QString& value);

}  // namespace tones
