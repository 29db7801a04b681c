#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace spreadsheet {

// The size of an Excel 97-2003 sheet; the .xls format cannot hold more.
inline constexpr int MaxRows = 65536;
inline constexpr int MaxColumns = 256;

// A cell position, both counted from 1 ("A1" is row 1, column 1).
struct CellAddress {
    int row = 1;
    int column = 1;

    bool operator==(const CellAddress&) const = default;

    bool isValid() const {
        return row >= 1 && row <= MaxRows && column >= 1 && column <= MaxColumns;
    }
    // "B7" and "$B$7"; letters in either case.
    static std::optional<CellAddress> parse(QStringView text);
    QString toA1() const;        // "B7"
    QString toAbsolute() const;  // "$B$7"
    static QString columnName(int column);
};

// A rectangle of cells, first = top left, last = bottom right.
struct CellRect {
    CellAddress first;
    CellAddress last;

    bool operator==(const CellRect&) const = default;

    static CellRect single(CellAddress cell) { return {cell, cell}; }
    // "B1:B500", "B7", with or without '$'.
    static std::optional<CellRect> parse(QStringView text);
    int rowCount() const { return last.row - first.row + 1; }
    int columnCount() const { return last.column - first.column + 1; }
    bool contains(CellAddress cell) const {
        return cell.row >= first.row && cell.row <= last.row && cell.column >= first.column &&
               cell.column <= last.column;
    }
    bool isSingleCell() const { return first == last; }
    QString toAbsolute() const;  // "$B$1:$B$500", or "$B$7" for one cell
};

}  // namespace spreadsheet
