#pragma once

#include "spreadsheet/Sheet.h"
#include "tones/KeyboardSide.h"

#include <QString>

#include <memory>

namespace tools {

// The columns of a tuning sheet: A the button number, B and C the treble push and pull tones,
// F and G the bass push and pull names; row 1 holds titles, button n lies in row n + 1.
using tones::BassButtons;
using tones::TrebleButtons;

// Builds the sheet `name` from a tab-separated table with the header "side button push pull"
// and rows "treble|bass <number> <push> <pull>". Throws std::runtime_error naming the line of
// the first fault.
std::shared_ptr<spreadsheet::Sheet> tuningSheetFromTable(const QString& name, const QString& table);

}  // namespace tools
