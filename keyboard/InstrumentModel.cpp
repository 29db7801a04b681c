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

std::vector<BarPlace> barsOf(InstrumentModel model) {
    std::vector<BarPlace> bars;
    const auto lay = [&bars](int index, int height) {
        const Bar designed = bar(index);
        bars.push_back(
            {index, designed.left, designed.top, height > 0 ? height : designed.designedHeight});
    };
    switch (model) {
        case InstrumentModel::TwoRow:
            lay(0, 7695);
            lay(1, 0);
            lay(2, 1095);
            lay(3, 0);
            lay(4, 0);
            break;
        case InstrumentModel::Club:
            lay(0, 570);
            lay(1, 0);
            lay(2, 1695);
            lay(3, 0);
            lay(4, 0);
            lay(5, 0);
            break;
        case InstrumentModel::Full:
            break;
    }
    return bars;
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
