#pragma once

// What an .xls file held beyond its cell values, kept so that a save writes it back: the
// formats, each sheet's settings (columns, rows, merged cells, printing, panes), formulas with
// their cached results, rich text, defined names, and the other streams of the container.
// Records that hold stream offsets or depend on the cell table are not kept: the writer makes
// them anew.

#include "../CellValue.h"
#include "CompoundFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace spreadsheet::xls {

// Records carried through as they were read: their bytes as they lay in the stream (header and
// CONTINUE records included), one after the other. A placeholder marks where the writer puts
// a record of its own.
class RecordList {
public:
    struct Entry {
        std::uint16_t id = 0;
        std::uint32_t offset = 0;  // into the list's bytes
        std::uint32_t size = 0;    // header included; 0 for a placeholder
    };

    void append(std::uint16_t id, const std::uint8_t* raw, std::size_t size);
    // A record made by hand (a converted Excel 5 record); the body fits one record.
    void appendBody(std::uint16_t id, const std::vector<std::uint8_t>& body);
    void placeholder(std::uint16_t id);
    void insertPlaceholderBefore(std::size_t index, std::uint16_t id);

    const std::vector<Entry>& entries() const { return entries_; }
    const std::uint8_t* raw(const Entry& entry) const { return bytes_.data() + entry.offset; }
    // The body of a record, its CONTINUE records' bodies joined on; empty for a placeholder.
    std::vector<std::uint8_t> body(const Entry& entry) const;
    bool contains(std::uint16_t id) const;

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<Entry> entries_;
};

// A cell's place as one number: the 0-based row in the high bits, the 0-based column below.
inline std::uint32_t cellKey(int row0, int column0) {
    return (static_cast<std::uint32_t>(row0) << 8) | static_cast<std::uint32_t>(column0);
}

inline constexpr std::uint16_t NoFormat = 0xFFFF;
// The first cell format, General in every workbook: 15 style formats come before it.
inline constexpr std::uint16_t DefaultCellFormat = 15;

// A formula cell: its records are written back while the cell still holds the result they
// were read with; a cell written since becomes a plain value.
struct KeptFormula {
    CellValue cachedResult;
    std::vector<std::uint8_t> records;  // FORMULA, then SHRFMLA, ARRAY or TABLE, then STRING
    // Shared, array and table formulas refer to the cell whose record defines them.
    bool usesDefinition = false;
    std::uint32_t definitionKey = 0;
    bool isDefinition = false;    // followed by SHRFMLA, ARRAY or TABLE
    bool isArrayOrTable = false;  // its cells change only together
};

// A text cell with formatting runs (parts of the text in other fonts).
struct RichText {
    QString text;
    std::vector<std::uint8_t> runs;  // 4 bytes a run: first character, font index
};

struct ColumnFormat {
    int first = 0;  // 0-based, inclusive
    int last = 0;
    std::uint16_t format = 0;
};

struct KeptRow {
    int row0 = 0;
    std::array<std::uint8_t, 16> body{};  // the ROW record: height, flags, format
};

struct KeptSheet {
    std::uint8_t visibility = 0;                        // 0 visible, 1 hidden, 2 very hidden
    std::uint16_t formatCount = DefaultCellFormat + 1;  // XF records of the workbook
    RecordList beforeCells;     // settings before the cell table (printing, columns)
    RecordList afterCells;      // view, merged cells and the rest after the cell table
    std::vector<KeptRow> rows;  // by row, each once (after sortRows)
    bool rowsInOrder = true;
    std::vector<std::vector<std::uint16_t>> cellFormats;  // [row][column], 0-based
    std::vector<ColumnFormat> columnFormats;
    std::unordered_map<std::uint32_t, KeptFormula> formulas;
    std::unordered_map<std::uint32_t, RichText> richTexts;

    std::uint16_t formatOf(int row0, int column0) const;
    void setFormat(int row0, int column0, std::uint16_t format);
    // Rows in order, the last ROW record of a row winning, as a reader takes them.
    void addRow(const KeptRow& row);
    void sortRows();
    // The format a new cell takes: its row's, else its column's, else the default.
    std::uint16_t inheritedFormat(int row0, int column0) const {
        const auto row = rowFormat(row0);
        return row ? *row : columnFormat(column0);
    }
    std::optional<std::uint16_t> rowFormat(int row0) const;  // when its ROW record gives one
    std::uint16_t columnFormat(int column0) const;
};

struct KeptWorkbook {
    RecordList globals;             // between BOF and EOF, placeholders where records are made anew
    std::vector<KeptSheet> sheets;  // one for each sheet read, in order
    int fileTabCount = 0;           // BOUNDSHEET records in the file, charts and modules included
    std::vector<int> fileTabOfSheet;        // each sheet's place among them
    std::vector<NamedStream> otherStreams;  // document properties
};

}  // namespace spreadsheet::xls
