#include "InstrumentModel.h"

#include "KeyboardGeometry.h"

#include <algorithm>
#include <initializer_list>

namespace keyboard {

namespace {

bool isOneOf(int button, std::initializer_list<int> buttons) {
    return std::find(buttons.begin(), buttons.end(), button) != buttons.end();
}

}  // namespace

bool hasTrebleButton(InstrumentModel model, int button) {
    if (button < 1 || button > TrebleButtonCount) {
        return false;
    }
    switch (model) {
        case InstrumentModel::TwoRow:
            return trebleColumnOf(button) != TrebleColumn::Outer && !isOneOf(button, {13, 1, 2});
        case InstrumentModel::Club:
            return !isOneOf(button, {25, 13, 1, 2, 3, 11, 12});
        case InstrumentModel::Full:
            break;
    }
    return true;
}

std::vector<TrebleColumn> trebleColumnsOf(InstrumentModel model) {
    std::vector<TrebleColumn> columns;
    for (const TrebleColumn column :
         {TrebleColumn::Outer, TrebleColumn::Middle, TrebleColumn::Inner}) {
        for (int button = 1; button <= TrebleButtonCount; ++button) {
            if (trebleColumnOf(button) == column && hasTrebleButton(model, button)) {
                columns.push_back(column);
                break;
            }
        }
    }
    return columns;
}

QString modelName(InstrumentModel model) {
    switch (model) {
        case InstrumentModel::TwoRow:
            return QStringLiteral("Dvouřadovka");
        case InstrumentModel::Club:
            return QStringLiteral("Model Club");
        case InstrumentModel::Full:
            break;
    }
    return {};
}

QString trebleColumnName(TrebleColumn column) {
    switch (column) {
        case TrebleColumn::Outer:
            return QStringLiteral("vnější řada");
        case TrebleColumn::Middle:
            return QStringLiteral("prostřední řada");
        case TrebleColumn::Inner:
            break;
    }
    return QStringLiteral("vnitřní řada");
}

}  // namespace keyboard
