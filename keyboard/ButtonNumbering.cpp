#include "ButtonNumbering.h"

#include "KeyboardGeometry.h"
#include "StringResources.h"

namespace keyboard {

namespace {

constexpr int OuterLabels = 13;  // labels 0..12
constexpr int FirstInnerLabel = OuterLabels;
constexpr int TrizoniaFirstString = 101;  // label k takes string 101 + k

}  // namespace

TrebleColumn trebleColumnOf(int button) {
    if (button <= 12) {
        return TrebleColumn::Inner;
    }
    return button <= 24 ? TrebleColumn::Middle : TrebleColumn::Outer;
}

QString numberLabelCaption(int index, Numbering numbering) {
    if (numbering == Numbering::Trizonia) {
        return resourceString(TrizoniaFirstString + index);
    }
    return QString::number(index < FirstInnerLabel ? index + 1 : index - (FirstInnerLabel - 1));
}

int numberLabelTop(int index, Numbering numbering) {
    const bool trizonia = numbering == Numbering::Trizonia;
    if (index < FirstInnerLabel) {
        return (trizonia ? 7440 : 7560) - 600 * index;
    }
    return (trizonia ? 6840 : 6720) - 600 * (index - FirstInnerLabel);
}

int numberLabelOf(int button) {
    switch (trebleColumnOf(button)) {
        case TrebleColumn::Outer:
            return placeFromBottom(button) - 1;
        case TrebleColumn::Inner:
            return FirstInnerLabel + placeFromBottom(button) - 1;
        case TrebleColumn::Middle:
            break;
    }
    return -1;
}

int placeFromBottom(int button) {
    switch (trebleColumnOf(button)) {
        case TrebleColumn::Inner:
            return 13 - button;
        case TrebleColumn::Middle:
            return 25 - button;
        case TrebleColumn::Outer:
            break;
    }
    return 38 - button;
}

QString shownButtonNumber(int button, Numbering numbering) {
    if (trebleColumnOf(button) == TrebleColumn::Middle) {
        return QString::number(placeFromBottom(button));
    }
    return numberLabelCaption(numberLabelOf(button), numbering);
}

QString shownBassNumber(int button) {
    return bassLabel(BassButtonCount - button).caption;
}

QString trebleButtonName(int button, Numbering numbering) {
    QString row;
    switch (trebleColumnOf(button)) {
        case TrebleColumn::Inner:
            row = QStringLiteral("ve vnitřní řadě");
            break;
        case TrebleColumn::Middle:
            row = QStringLiteral("v prostřední řadě");
            break;
        case TrebleColumn::Outer:
            row = QStringLiteral("ve vnější řadě");
            break;
    }
    return QStringLiteral("knoflík %1 %2").arg(shownButtonNumber(button, numbering), row);
}

QString bassButtonName(int button) {
    return QStringLiteral("basový knoflík ") + shownBassNumber(button);
}

QString numberingName(Numbering numbering) {
    return numbering == Numbering::Trizonia ? QStringLiteral("Značení Trizonia 56")
                                            : QStringLiteral("Základní značení");
}

}  // namespace keyboard
