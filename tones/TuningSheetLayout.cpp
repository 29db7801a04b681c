#include "TuningSheetLayout.h"

#include "spreadsheet/CellAddress.h"

namespace tones {

namespace {

QString columnRange(int column, int rows) {
    const QString name = spreadsheet::CellAddress::columnName(column);
    return name + QStringLiteral("1:") + name + QString::number(rows);
}

}  // namespace

QString toneRange(KeyboardSide side, Bellows bellows, TuningReach reach) {
    return columnRange(toneColumn(side, bellows), tuningRows(side, reach));
}

QString buttonNumberRange(KeyboardSide side) {
    return columnRange(ButtonNumberColumn, tuningRows(side, TuningReach::Shown));
}

}  // namespace tones
