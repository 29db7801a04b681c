#pragma once

#include "../Sheet.h"
#include "KeptRecords.h"
#include "ReadContext.h"
#include "RecordStream.h"

#include <map>
#include <memory>
#include <optional>

namespace spreadsheet::xls {

// One sheet's substream: its cells and active cell into a Sheet, and into `kept` what a save
// writes back (cell formats, formulas, rows, the sheet's other records).
class SheetParser {
public:
    SheetParser(ReadContext& context, KeptSheet& kept) : context_(context), kept_(kept) {}

    std::shared_ptr<Sheet> parse(const QString& name, std::uint32_t offset);

private:
    enum class Place { BeforeCells, InCells, AfterCells };
    struct PaneSelection {
        CellRect selection;
        CellAddress activeCell;
    };

    void readRecord(const Record& record);
    bool readCell(const Record& record);
    void readLabel(const Record& record, ByteReader& r, int row, int column, std::uint16_t format);
    void readFormula(const Record& record, ByteReader& r, int row, int column);
    void extendFormula(const Record& record);
    void readRow(const Record& record);
    void readPane(const Record& record);
    void readSelection(const Record& record);
    void noteObject(const Record& record);
    void keep(const Record& record, RecordList& list);
    void keepInPlace(const Record& record);
    void put(int row, int column, CellValue value, std::uint16_t format,
             bool formulaResult = false);
    void noteValueFormat(int row, int column, std::uint16_t format);
    void setFormat(int row, int column, std::uint16_t format);
    QString labelText(const Record& record, std::size_t position, std::vector<std::uint8_t>* runs);
    void finish();

    ReadContext& context_;
    KeptSheet& kept_;
    std::shared_ptr<Sheet> sheet_;
    Place place_ = Place::BeforeCells;
    std::optional<CellAddress> pendingStringCell_;
    std::optional<std::uint32_t> openFormula_;  // the formula that SHRFMLA, ARRAY, STRING extend
    std::map<int, PaneSelection> selections_;
    int activePane_ = 3;
    int rowFormatOf_ = -1;
    std::optional<std::uint16_t> rowFormat_;
};

}  // namespace spreadsheet::xls
