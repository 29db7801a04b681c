#include "SheetModel.h"

#include "spreadsheet/Range.h"
#include "spreadsheet/Sheet.h"
#include "spreadsheet/SpreadsheetError.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace views {

using spreadsheet::CellAddress;
using spreadsheet::CellRect;
using spreadsheet::CellValue;

SheetModel::SheetModel(std::weak_ptr<spreadsheet::Sheet> sheet, QObject* parent)
    : QAbstractTableModel(parent), sheet_(std::move(sheet)) {
    rows_ = wantedRows();
}

// Storage rows rather than the used rectangle: it costs nothing to ask, and it only
// overestimates after cells were cleared, where the grid would not shrink anyway.
int SheetModel::wantedRows() const {
    int last = 0;
    if (const auto sheet = sheet_.lock()) {
        last = std::max(sheet->rowCapacity(), sheet->activeCell().row);
    }
    return std::clamp(last + RowMargin, MinimumRows, spreadsheet::MaxRows);
}

void SheetModel::growTo(int rows) {
    rows = std::min(rows, spreadsheet::MaxRows);
    if (rows <= rows_) {
        return;
    }
    beginInsertRows(QModelIndex(), rows_, rows - 1);
    rows_ = rows;
    endInsertRows();
}

void SheetModel::fitRows() {
    growTo(wantedRows());
}

void SheetModel::cellsChanged() {
    fitRows();
    Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, spreadsheet::MaxColumns - 1),
                       {Qt::DisplayRole, Qt::EditRole, Qt::TextAlignmentRole});
}

int SheetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int SheetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : spreadsheet::MaxColumns;
}

QModelIndex SheetModel::indexOf(CellAddress cell) const {
    return index(cell.row - 1, cell.column - 1);
}

CellAddress SheetModel::cellOf(const QModelIndex& index) {
    return {index.row() + 1, index.column() + 1};
}

QVariant SheetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const auto sheet = sheet_.lock();
    if (!sheet || !sheet->workbook()) {
        return {};
    }
    const CellValue& value = sheet->value(cellOf(index));
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return value.isEmpty() ? QVariant() : QVariant(value.text());
        case Qt::TextAlignmentRole:
            // As a spreadsheet aligns in General format: numbers right, TRUE and errors centred.
            if (value.isNumber()) {
                return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
            }
            if (value.isBoolean() || value.isError()) {
                return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
            }
            return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant SheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    if (orientation == Qt::Horizontal) {
        return CellAddress::columnName(section + 1);
    }
    return section + 1;
}

Qt::ItemFlags SheetModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

CellValue SheetModel::valueFromTyped(const QString& typed) {
    if (typed.isEmpty()) {
        return {};
    }
    static const QRegularExpression decimal(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$)"));
    if (decimal.match(typed).hasMatch()) {
        bool ok = false;
        const double number = typed.trimmed().toDouble(&ok);  // C locale, whatever the UI's
        if (ok && std::isfinite(number)) {
            return CellValue::number(number);
        }
    }
    return CellValue(typed);
}

bool SheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    const CellAddress cell = cellOf(index);
    const QString typed = value.toString();
    bool written = false;
    const auto edit = [&] {
        try {
            const spreadsheet::Range range(sheet_, CellRect::single(cell));
            // An editor closed without a change must not turn TRUE or 1E+20 into text.
            if (typed != range.text()) {
                range.setValue(valueFromTyped(typed));
            }
            written = true;
        } catch (const spreadsheet::SpreadsheetError&) {
            // the workbook was closed meanwhile
        }
    };
    if (runEdit) {
        runEdit(edit);
    } else {
        edit();
    }
    if (!written) {
        return false;
    }
    // The host tells the window too, but the view should not wait for that to show the cell.
    Q_EMIT dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::TextAlignmentRole});
    return true;
}

}  // namespace views
