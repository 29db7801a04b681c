#pragma once

#include "CellAddress.h"

#include <QString>

#include <optional>

namespace spreadsheet {

class Sheet;

// The one search the program uses: within `area`, by rows, starting after `after` and wrapping
// round at the end, `after` itself examined last. A cell matches when its text contains `what`
// ignoring case; the empty text matches the next empty cell. `after` must lie inside `area`.
std::optional<CellAddress> findInArea(const Sheet& sheet, const CellRect& area, CellAddress after,
                                      const QString& what);

}  // namespace spreadsheet
