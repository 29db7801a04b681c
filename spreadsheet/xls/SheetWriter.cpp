#include "SheetWriter.h"

#include "BiffRecords.h"
#include "RecordWriter.h"

#include <algorithm>
#include <optional>

namespace spreadsheet::xls {

namespace {

constexpr int RowsPerBlock = 32;
constexpr std::size_t RowRecordSize = 4 + 16;
constexpr std::uint16_t SelectedAndShown = 0x0600;

struct Extent {
    int firstRow = 0;  // 0-based
    int endRow = 0;    // one past the last
    int firstColumn = 0;
    int endColumn = 0;
    bool empty() const { return endRow == 0; }
};

Extent extentOf(const std::vector<PlannedRow>& rows) {
    Extent extent;
    for (const PlannedRow& row : rows) {
        if (row.cells.empty()) {
            continue;
        }
        if (extent.empty()) {
            extent = {row.row0, row.row0 + 1, row.cells.front().column0,
                      row.cells.back().column0 + 1};
            continue;
        }
        extent.endRow = row.row0 + 1;
        extent.firstColumn = std::min(extent.firstColumn, row.cells.front().column0);
        extent.endColumn = std::max(extent.endColumn, row.cells.back().column0 + 1);
    }
    return extent;
}

std::size_t blockCount(const std::vector<PlannedRow>& rows) {
    std::size_t count = 0;
    int lastBlock = -1;
    for (const PlannedRow& row : rows) {
        if (row.row0 / RowsPerBlock != lastBlock) {
            lastBlock = row.row0 / RowsPerBlock;
            ++count;
        }
    }
    return count;
}

class SheetWriter {
public:
    SheetWriter(ByteWriter& out, const Sheet& sheet, const std::vector<PlannedRow>& rows,
                const KeptSheet* kept, bool active)
        : out_(out), sheet_(sheet), rows_(rows), kept_(kept), active_(active) {}

    void write();

private:
    void writeIndex();
    void writeBeforeCells();
    void writeDimensions();
    void writeCellTable();
    void writeBlock(std::size_t first, std::size_t end);
    void writeRow(const PlannedRow& row);
    void writeCell(int row0, const PlannedCell& cell);
    void writeAfterCells();
    void writeWindow2(const std::vector<std::uint8_t>* kept);
    void writeSelection(std::uint8_t pane);
    int activePane() const;

    ByteWriter& out_;
    const Sheet& sheet_;
    const std::vector<PlannedRow>& rows_;
    const KeptSheet* kept_;
    bool active_;
    const Extent extent_ = extentOf(rows_);
    std::size_t indexPosition_ = 0;
    std::size_t defColWidthPosition_ = 0;
    std::vector<std::uint32_t> dbCellPositions_;
};

void SheetWriter::write() {
    writeBof(out_, 0x0010);
    indexPosition_ = out_.size();
    writeIndex();
    writeBeforeCells();
    writeDimensions();
    writeCellTable();
    writeAfterCells();
    writeRecord(out_, record::Eof, ByteWriter());
    // Now that the blocks lie where they lie, the INDEX can say so.
    out_.patchU32(indexPosition_ + 4 + 12, static_cast<std::uint32_t>(defColWidthPosition_));
    for (std::size_t i = 0; i < dbCellPositions_.size(); ++i) {
        out_.patchU32(indexPosition_ + 4 + 16 + 4 * i, dbCellPositions_[i]);
    }
}

void SheetWriter::writeIndex() {
    ByteWriter index;
    index.u32(0);
    index.u32(static_cast<std::uint32_t>(extent_.firstRow));
    index.u32(static_cast<std::uint32_t>(extent_.endRow));
    index.u32(0);  // where DEFCOLWIDTH lies: patched
    for (std::size_t i = blockCount(rows_); i > 0; --i) {
        index.u32(0);  // where each DBCELL lies: patched
    }
    writeRecord(out_, record::Index, index);
}

// DEFCOLWIDTH, which the INDEX points at, comes before the column widths; a sheet without
// one gets the default of 8 characters.
void SheetWriter::writeBeforeCells() {
    bool defColWidthWritten = false;
    auto writeDefColWidth = [this, &defColWidthWritten] {
        defColWidthPosition_ = out_.size();
        ByteWriter width;
        width.u16(8);
        writeRecord(out_, record::DefColWidth, width);
        defColWidthWritten = true;
    };
    if (kept_) {
        const RecordList& records = kept_->beforeCells;
        for (const auto& entry : records.entries()) {
            if (entry.id == record::DefColWidth && !defColWidthWritten) {
                defColWidthPosition_ = out_.size();
                defColWidthWritten = true;
            } else if (entry.id == record::ColInfo && !defColWidthWritten) {
                writeDefColWidth();
            }
            writeRaw(out_, records.raw(entry), entry.size);
        }
    }
    if (!defColWidthWritten) {
        writeDefColWidth();
    }
}

void SheetWriter::writeDimensions() {
    ByteWriter dimensions;
    dimensions.u32(static_cast<std::uint32_t>(extent_.firstRow));
    dimensions.u32(static_cast<std::uint32_t>(extent_.endRow));
    dimensions.u16(static_cast<std::uint16_t>(extent_.firstColumn));
    dimensions.u16(static_cast<std::uint16_t>(extent_.endColumn));
    dimensions.u16(0);
    writeRecord(out_, record::Dimensions, dimensions);
}

void SheetWriter::writeCellTable() {
    std::size_t first = 0;
    while (first < rows_.size()) {
        const int block = rows_[first].row0 / RowsPerBlock;
        std::size_t end = first;
        while (end < rows_.size() && rows_[end].row0 / RowsPerBlock == block) {
            ++end;
        }
        writeBlock(first, end);
        first = end;
    }
}

// The ROW records of up to 32 rows, their cells, and a DBCELL saying where the first ROW
// record lies and where each row's first cell does, each counted from the one before.
void SheetWriter::writeBlock(std::size_t first, std::size_t end) {
    const std::size_t firstRowPosition = out_.size();
    for (std::size_t i = first; i < end; ++i) {
        writeRow(rows_[i]);
    }
    ByteWriter dbCell;
    dbCell.u32(0);  // patched below
    std::size_t previous = firstRowPosition + RowRecordSize;
    for (std::size_t i = first; i < end; ++i) {
        if (rows_[i].cells.empty()) {
            continue;
        }
        dbCell.u16(
            static_cast<std::uint16_t>(std::min<std::size_t>(out_.size() - previous, 0xFFFF)));
        previous = out_.size();
        for (const PlannedCell& cell : rows_[i].cells) {
            writeCell(rows_[i].row0, cell);
        }
    }
    dbCellPositions_.push_back(static_cast<std::uint32_t>(out_.size()));
    dbCell.patchU32(0, static_cast<std::uint32_t>(out_.size() - firstRowPosition));
    writeRecord(out_, record::DbCell, dbCell);
}

// A row read from the file keeps its height, format and flags; its column span is the cells'.
void SheetWriter::writeRow(const PlannedRow& row) {
    ByteWriter b;
    const bool hasCells = !row.cells.empty();
    const auto firstColumn = static_cast<std::uint16_t>(hasCells ? row.cells.front().column0 : 0);
    const auto endColumn = static_cast<std::uint16_t>(hasCells ? row.cells.back().column0 + 1 : 0);
    if (row.kept) {
        b.bytes().assign(row.kept->begin(), row.kept->end());
        b.bytes()[2] = static_cast<std::uint8_t>(firstColumn);
        b.bytes()[3] = static_cast<std::uint8_t>(firstColumn >> 8);
        b.bytes()[4] = static_cast<std::uint8_t>(endColumn);
        b.bytes()[5] = static_cast<std::uint8_t>(endColumn >> 8);
    } else {
        b.u16(static_cast<std::uint16_t>(row.row0));
        b.u16(firstColumn);
        b.u16(endColumn);
        b.u16(0x00FF);  // default height
        b.u16(0);
        b.u16(0);
        b.u16(0x0100);
        b.u16(DefaultCellFormat);
    }
    writeRecord(out_, record::Row, b);
}

void SheetWriter::writeCell(int row0, const PlannedCell& cell) {
    if (cell.kind == PlannedCell::Kind::Formula) {
        out_.append(*cell.formulaRecords);
        return;
    }
    ByteWriter b;
    b.u16(static_cast<std::uint16_t>(row0));
    b.u16(static_cast<std::uint16_t>(cell.column0));
    b.u16(cell.format);
    if (cell.kind == PlannedCell::Kind::Blank) {
        writeRecord(out_, record::Blank, b);
        return;
    }
    const CellValue& value = *cell.value;
    switch (value.type()) {
        case CellValue::Type::Text:
            b.u32(cell.stringIndex);
            writeRecord(out_, record::LabelSst, b);
            break;
        case CellValue::Type::Number:
            b.f64(value.numberValue());
            writeRecord(out_, record::Number, b);
            break;
        case CellValue::Type::Boolean:
            b.u8(value.booleanValue() ? 1 : 0);
            b.u8(0);
            writeRecord(out_, record::BoolErr, b);
            break;
        case CellValue::Type::Error:
            b.u8(value.errorCode());
            b.u8(1);
            writeRecord(out_, record::BoolErr, b);
            break;
        case CellValue::Type::Empty:
            break;
    }
}

// As the reader takes it: from the last PANE record, else the only pane.
int SheetWriter::activePane() const {
    int pane = 3;
    if (kept_) {
        for (const auto& entry : kept_->afterCells.entries()) {
            if (entry.id == record::Pane) {
                const auto body = kept_->afterCells.body(entry);
                pane = body.size() > 8 ? body[8] : 3;
            }
        }
    }
    return pane;
}

// The view as read, with the selection of the active pane and the active-sheet flags made
// anew; a sheet without a view of its own gets a plain one.
void SheetWriter::writeAfterCells() {
    const RecordList* records = kept_ ? &kept_->afterCells : nullptr;
    const auto pane = static_cast<std::uint8_t>(activePane());
    std::optional<std::size_t> lastViewRecord;
    bool hasWindow2 = false;
    if (records) {
        const auto& entries = records->entries();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const std::uint16_t id = entries[i].id;
            hasWindow2 = hasWindow2 || id == record::Window2;
            if (id == record::Window2 || id == record::Pane || id == record::Selection ||
                id == record::Scl) {
                lastViewRecord = i;
            }
        }
    }
    bool selectionWritten = false;
    if (!hasWindow2) {
        writeWindow2(nullptr);
        writeSelection(pane);
        selectionWritten = true;
    }
    if (!records) {
        return;
    }
    const auto& entries = records->entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& entry = entries[i];
        if (entry.id == record::Window2) {
            const auto body = records->body(entry);
            writeWindow2(&body);
        } else if (entry.id == record::Selection && entry.size > 4 &&
                   records->raw(entry)[4] == pane) {
            if (!selectionWritten) {  // the active pane's selection is the sheet's, once
                writeSelection(pane);
                selectionWritten = true;
            }
        } else {
            writeRaw(out_, records->raw(entry), entry.size);
        }
        if (lastViewRecord && i == *lastViewRecord && !selectionWritten) {
            writeSelection(pane);
            selectionWritten = true;
        }
    }
}

void SheetWriter::writeWindow2(const std::vector<std::uint8_t>* kept) {
    constexpr std::size_t window2Size = 18;
    ByteWriter window;
    if (kept && kept->size() >= window2Size) {
        window.bytes().assign(kept->begin(), kept->begin() + window2Size);
        auto flags = static_cast<std::uint16_t>(window.bytes()[0] | (window.bytes()[1] << 8));
        flags = static_cast<std::uint16_t>((flags & ~SelectedAndShown) |
                                           (active_ ? SelectedAndShown : 0));
        window.bytes()[0] = static_cast<std::uint8_t>(flags);
        window.bytes()[1] = static_cast<std::uint8_t>(flags >> 8);
    } else {
        window.u16(active_ ? 0x06B6 : 0x02B6);  // grid, headers, zeros, outline; selected and shown
        window.u16(0);                          // top row shown
        window.u16(0);                          // left column shown
        window.u16(0x40);                       // automatic grid colour
        window.u16(0);
        window.u16(0);
        window.u16(0);
        window.u32(0);
    }
    writeRecord(out_, record::Window2, window);
}

void SheetWriter::writeSelection(std::uint8_t pane) {
    const CellRect& selection = sheet_.selection();
    const CellAddress activeCell = sheet_.activeCell();
    ByteWriter select;
    select.u8(pane);
    select.u16(static_cast<std::uint16_t>(activeCell.row - 1));
    select.u16(static_cast<std::uint16_t>(activeCell.column - 1));
    select.u16(0);
    select.u16(1);
    select.u16(static_cast<std::uint16_t>(selection.first.row - 1));
    select.u16(static_cast<std::uint16_t>(selection.last.row - 1));
    select.u8(static_cast<std::uint8_t>(selection.first.column - 1));
    select.u8(static_cast<std::uint8_t>(selection.last.column - 1));
    writeRecord(out_, record::Selection, select);
}

}  // namespace

void writeSheet(ByteWriter& out, const Sheet& sheet, const std::vector<PlannedRow>& rows,
                const KeptSheet* kept, bool active) {
    SheetWriter(out, sheet, rows, kept, active).write();
}

}  // namespace spreadsheet::xls
