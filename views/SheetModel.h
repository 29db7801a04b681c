#pragma once

#include "spreadsheet/CellAddress.h"
#include "spreadsheet/CellValue.h"

#include <QAbstractTableModel>

#include <functional>
#include <memory>

namespace spreadsheet {
class Sheet;
}

namespace views {

// One sheet of the host as a grid: columns A to IV, rows numbered from 1. It reads the sheet
// directly and writes through the host, so that an edit is a change like any of the program's.
// Only as many rows as the sheet uses (and a margin) are shown, because views of all 65536
// rows would be slow; the grid grows when needed and never shrinks, so a view keeps its place.
class SheetModel : public QAbstractTableModel {
public:
    explicit SheetModel(std::weak_ptr<spreadsheet::Sheet> sheet, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    const std::weak_ptr<spreadsheet::Sheet>& sheet() const { return sheet_; }
    // Runs a typed change of a cell; unset, the change is made directly.
    std::function<void(const std::function<void()>&)> runEdit;
    // After the host changed cells: grows to the used rows and repaints every cell.
    void cellsChanged();
    // Grows to the used rows and the active cell, with the margin.
    void fitRows();
    void growTo(int rows);

    QModelIndex indexOf(spreadsheet::CellAddress cell) const;
    static spreadsheet::CellAddress cellOf(const QModelIndex& index);
    // What a typed text becomes: the empty text empties the cell, whole numbers and decimals
    // with '.' become numbers, anything else stays text as typed.
    static spreadsheet::CellValue valueFromTyped(const QString& typed);

    static constexpr int MinimumRows = 500;
    static constexpr int RowMargin = 100;

private:
    int wantedRows() const;

    std::weak_ptr<spreadsheet::Sheet> sheet_;
    int rows_ = MinimumRows;
};

}  // namespace views
