#include "SheetParser.h"

#include "Biff5Records.h"
#include "BiffRecords.h"
#include "StringReader.h"

#include <array>
#include <cstring>

namespace spreadsheet::xls {

namespace {

constexpr std::size_t MaxRowSlots = 4u * 1024u * 1024u;
constexpr std::uint32_t NoDefinition = 0xFFFFFFFFu;

double decodeRk(std::uint32_t rk) {
    double value;
    if (rk & 0x02) {
        value = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        const std::uint64_t bits = static_cast<std::uint64_t>(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    return (rk & 0x01) ? value / 100 : value;
}

// A formula whose tokens are only a reference to the cell whose SHRFMLA, ARRAY or TABLE
// record holds the formula (PtgExp, PtgTbl).
std::uint32_t definitionOf(const Record& record) {
    constexpr std::size_t tokensAt = 22;
    ByteReader r = record.reader();
    if (record.size < tokensAt + 5) {
        return NoDefinition;
    }
    r.seek(tokensAt - 2);
    const std::uint16_t tokenBytes = r.u16();
    const std::uint8_t token = r.u8();
    if (tokenBytes < 5 || (token != 0x01 && token != 0x02)) {
        return NoDefinition;
    }
    const int row = r.u16();
    const int column = r.u16();
    return column < 256 ? cellKey(row, column) : NoDefinition;
}

// Excel 5 gives a run as a byte for its first character and a byte for its font.
void readExcel5Runs(ByteReader& r, std::vector<std::uint8_t>& runs) {
    const std::size_t count = r.u8();
    r.require(count * 2);
    for (std::size_t i = 0; i < count; ++i) {
        runs.insert(runs.end(), {r.u8(), 0, r.u8(), 0});
    }
}

}  // namespace

std::shared_ptr<Sheet> SheetParser::parse(const QString& name, std::uint32_t offset) {
    sheet_ = std::make_shared<Sheet>(name);
    if (offset >= context_.stream.size()) {
        throwDamaged();
    }
    RecordStream records(context_.stream, offset);
    const auto bof = records.next();
    if (!bof || bof->id != record::Bof) {
        throwDamaged();
    }
    int depth = 0;
    while (auto rec = records.next()) {
        context_.chargeWork(rec->size);
        if (rec->id == record::Bof) {
            ++depth;  // an embedded chart: its records are not cells of this sheet
            context_.unkept.charts = true;
            continue;
        }
        if (rec->id == record::Eof) {
            if (depth-- == 0) {
                break;
            }
            continue;
        }
        if (depth == 0) {
            readRecord(*rec);
        }
    }
    if (depth >= 0) {
        throwDamaged();  // the sheet's records never ended
    }
    finish();
    return sheet_;
}

void SheetParser::readRecord(const Record& record) {
    const bool extendsFormula = record.id == record::ShrFmla || record.id == record::Array ||
                                record.id == record::Table || record.id == record::String;
    if (!extendsFormula) {
        openFormula_.reset();
    }
    switch (record.id) {
        case record::Pane:
            readPane(record);
            keep(record, kept_.afterCells);
            return;
        case record::Selection:
            readSelection(record);
            keep(record, kept_.afterCells);
            return;
        case record::Window2:
            keep(record, kept_.afterCells);
            return;
        case record::Index:
        case record::DbCell:
            return;  // stream positions: written anew
        case record::Dimensions:
            place_ = place_ == Place::BeforeCells ? Place::InCells : place_;
            return;
        case record::Row:
            readRow(record);
            return;
        case record::Obj:
            noteObject(record);
            return;
        case record::Note:
            context_.unkept.comments = true;
            return;
        case record::MsoDrawing:
        case record::MsoDrawingSelection:
        case record::Txo:
        case record::ImData:
            return;  // the drawing layer; its objects are told apart by their OBJ records
        default:
            break;
    }
    if (readCell(record)) {
        place_ = place_ == Place::BeforeCells ? Place::InCells : place_;
        return;
    }
    keepInPlace(record);
}

bool SheetParser::readCell(const Record& record) {
    ByteReader r = record.reader();
    switch (record.id) {
        case record::LabelSst: {
            const int row = r.u16();
            const int column = r.u16();
            const std::uint16_t format = r.u16();
            const std::uint32_t index = r.u32();
            if (index >= context_.sst.size()) {
                throwDamaged();
            }
            put(row, column, CellValue(context_.sst[index]), format);
            if (!context_.sstRuns[index].empty() && column < 256) {
                kept_.richTexts[cellKey(row, column)] = {context_.sst[index],
                                                         context_.sstRuns[index]};
            }
            break;
        }
        case record::Label:
        case record::RString: {
            const int row = r.u16();
            const int column = r.u16();
            readLabel(record, r, row, column, r.u16());
            break;
        }
        case record::Number: {
            const int row = r.u16();
            const int column = r.u16();
            const std::uint16_t format = r.u16();
            put(row, column, CellValue::number(r.f64()), format);
            break;
        }
        case record::Rk: {
            const int row = r.u16();
            const int column = r.u16();
            const std::uint16_t format = r.u16();
            put(row, column, CellValue::number(decodeRk(r.u32())), format);
            break;
        }
        case record::MulRk: {
            const int row = r.u16();
            int column = r.u16();
            while (r.remaining() >= 6 + 2) {
                const std::uint16_t format = r.u16();
                put(row, column++, CellValue::number(decodeRk(r.u32())), format);
            }
            break;
        }
        case record::BoolErr: {
            const int row = r.u16();
            const int column = r.u16();
            const std::uint16_t format = r.u16();
            const std::uint8_t value = r.u8();
            const bool isError = r.u8() != 0;
            put(row, column, isError ? CellValue::error(value) : CellValue::boolean(value), format);
            break;
        }
        case record::Blank: {
            const int row = r.u16();
            const int column = r.u16();
            setFormat(row, column, r.u16());
            break;
        }
        case record::MulBlank: {
            const int row = r.u16();
            int column = r.u16();
            while (r.remaining() >= 2 + 2) {
                setFormat(row, column++, r.u16());
            }
            break;
        }
        case record::Formula: {
            const int row = r.u16();
            const int column = r.u16();
            readFormula(record, r, row, column);
            return true;
        }
        case record::ShrFmla:
        case record::Array:
        case record::Table:
            extendFormula(record);
            return true;
        case record::String:
            if (pendingStringCell_) {
                const CellAddress cell = *pendingStringCell_;
                put(cell.row - 1, cell.column - 1, CellValue(labelText(record, 0, nullptr)),
                    NoFormat, true);
            }
            extendFormula(record);
            break;
        default:
            return false;
    }
    pendingStringCell_.reset();
    return true;
}

void SheetParser::readLabel(const Record& record, ByteReader& r, int row, int column,
                            std::uint16_t format) {
    std::vector<std::uint8_t> runs;
    const bool rich = record.id == record::RString;
    put(row, column, CellValue(labelText(record, r.position(), rich ? &runs : nullptr)), format);
    if (!runs.empty() && column < 256) {
        kept_.richTexts[cellKey(row, column)] = {sheet_->value({row + 1, column + 1}).text(), runs};
    }
}

// Text of LABEL, RSTRING and STRING records: 8-bit in the code page in Excel 5, Unicode
// (perhaps running on into CONTINUE records) in Excel 97. RSTRING's runs follow the text.
QString SheetParser::labelText(const Record& record, std::size_t position,
                               std::vector<std::uint8_t>* runs) {
    StringReader s(record);
    s.bytes().seek(position);
    const std::size_t length = s.bytes().u16();
    if (context_.biff == Biff::V5) {
        QString text = context_.eightBitString(s.bytes(), length);
        if (runs && s.bytes().remaining() >= 1) {
            readExcel5Runs(s.bytes(), *runs);
        }
        return text;
    }
    QString text = s.unicodeString(length);
    if (runs && s.bytes().remaining() >= 2) {
        const std::size_t count = s.bytes().u16();
        s.bytes().require(count * 4);
        runs->assign(s.bytes().here(), s.bytes().here() + count * 4);
    }
    return text;
}

// The cached result is the cell's value; a text result follows in a STRING record. The
// records themselves are kept (Excel 97 only: Excel 5's formula tokens differ).
void SheetParser::readFormula(const Record& record, ByteReader& r, int row, int column) {
    const std::uint16_t format = r.u16();
    r.require(8);
    std::array<std::uint8_t, 8> result;
    std::memcpy(result.data(), r.here(), result.size());
    pendingStringCell_.reset();
    const CellAddress cell{row + 1, column + 1};
    CellValue value;
    if (result[6] != 0xFF || result[7] != 0xFF) {
        value = CellValue::number(r.f64());
    } else if (result[0] == 0) {  // text: it follows in a STRING record
        pendingStringCell_ = cell;
    } else if (result[0] == 1) {
        value = CellValue::boolean(result[2] != 0);
    } else if (result[0] == 2) {
        value = CellValue::error(result[2]);
    }  // else the empty text
    put(row, column, std::move(value), format, true);
    if (context_.biff != Biff::V8 || !cell.isValid()) {
        return;
    }
    const std::uint32_t key = cellKey(row, column);
    KeptFormula& formula = kept_.formulas[key];
    formula = KeptFormula{};
    formula.records.assign(context_.stream.data() + record.rawStart,
                           context_.stream.data() + record.rawEnd);
    formula.definitionKey = definitionOf(record);
    formula.usesDefinition = formula.definitionKey != NoDefinition;
    openFormula_ = key;
}

void SheetParser::extendFormula(const Record& record) {
    if (!openFormula_) {
        return;  // out of place: without the formula it belongs to, it is left out
    }
    KeptFormula& formula = kept_.formulas[*openFormula_];
    formula.records.insert(formula.records.end(), context_.stream.data() + record.rawStart,
                           context_.stream.data() + record.rawEnd);
    if (record.id != record::String) {
        formula.isDefinition = true;
        formula.isArrayOrTable = record.id != record::ShrFmla;
    }
}

void SheetParser::readRow(const Record& record) {
    place_ = place_ == Place::BeforeCells ? Place::InCells : place_;
    KeptRow row;
    if (record.size < row.body.size()) {
        return;
    }
    std::memcpy(row.body.data(), record.data, row.body.size());
    row.row0 = row.body[0] | (row.body[1] << 8);
    kept_.addRow(row);
    rowFormatOf_ = -1;
}

void SheetParser::readPane(const Record& record) {
    ByteReader p = record.reader();
    p.skip(8);
    activePane_ = p.u8();
}

void SheetParser::readSelection(const Record& record) {
    ByteReader s = record.reader();
    const int pane = s.u8();
    const CellAddress active{s.u16() + 1, s.u16() + 1};
    const int activeRef = s.u16();
    const int refCount = s.u16();
    PaneSelection selection{CellRect::single(active), active};
    for (int i = 0; i < refCount && s.remaining() >= 6; ++i) {
        const int firstRow = s.u16() + 1;
        const int lastRow = s.u16() + 1;
        const int firstColumn = s.u8() + 1;
        const int lastColumn = s.u8() + 1;
        const CellRect rect{{firstRow, firstColumn}, {lastRow, lastColumn}};
        if (i == activeRef && rect.first.isValid() && rect.last.isValid() && firstRow <= lastRow &&
            firstColumn <= lastColumn) {
            selection.selection = rect;
        }
    }
    if (active.isValid()) {
        selections_[pane] = selection;
    }
}

// OBJ records name what the drawing layer holds; in both versions the object type follows
// four bytes of header.
void SheetParser::noteObject(const Record& record) {
    constexpr std::uint16_t chart = 0x05;
    constexpr std::uint16_t comment = 0x19;
    const std::uint16_t type = record.size >= 6 ? (record.data[4] | (record.data[5] << 8)) : 0xFFFF;
    if (type == chart) {
        context_.unkept.charts = true;
    } else if (type == comment) {
        context_.unkept.comments = true;
    } else {
        context_.unkept.drawings = true;
    }
}

// Records of the sheet's settings stay on their side of the cell table.
void SheetParser::keepInPlace(const Record& record) {
    if (place_ == Place::InCells) {
        place_ = Place::AfterCells;
    }
    if (record.id == record::ColInfo && record.size >= 8) {
        const std::uint16_t format = record.data[6] | (record.data[7] << 8);
        if (format < context_.formatCount) {
            kept_.columnFormats.push_back({record.data[0] | (record.data[1] << 8),
                                           record.data[2] | (record.data[3] << 8), format});
        }
    }
    keep(record, place_ == Place::BeforeCells ? kept_.beforeCells : kept_.afterCells);
}

void SheetParser::keep(const Record& record, RecordList& list) {
    if (context_.biff == Biff::V8) {
        list.append(record.id, context_.stream.data() + record.rawStart,
                    record.rawEnd - record.rawStart);
    } else if (auto body = biff8SheetBody(record, context_.codePage)) {
        list.appendBody(record.id, *body);
    }
}

// A cell written anew takes its row's or column's format; a cell whose format is just that
// needs none of its own, which spares most cells of most songs the storage.
void SheetParser::noteValueFormat(int row, int column, std::uint16_t format) {
    if (!kept_.rowsInOrder) {  // rows out of order: too costly to look up each time
        setFormat(row, column, format);
        return;
    }
    if (row != rowFormatOf_) {  // cells come row by row: one look at the row's record each
        rowFormatOf_ = row;
        rowFormat_ = kept_.rowFormat(row);
    }
    const std::uint16_t inherited = rowFormat_                    ? *rowFormat_
                                    : kept_.columnFormats.empty() ? DefaultCellFormat
                                                                  : kept_.columnFormat(column);
    if (format != inherited) {
        setFormat(row, column, format);
    } else if (static_cast<std::size_t>(row) < kept_.cellFormats.size() &&
               kept_.formatOf(row, column) != NoFormat) {
        kept_.setFormat(row, column, NoFormat);  // an earlier record for the cell gave another
    }
}

void SheetParser::setFormat(int row, int column, std::uint16_t format) {
    if (!CellAddress{row + 1, column + 1}.isValid() || format >= context_.formatCount) {
        return;
    }
    const auto rows = static_cast<std::size_t>(row + 1);
    if (rows > kept_.cellFormats.size()) {
        context_.rowSlots += rows - kept_.cellFormats.size();
        if (context_.rowSlots > MaxRowSlots) {
            throw XlsFormatError(QStringLiteral("sešit je příliš velký."));
        }
    }
    kept_.setFormat(row, column, format);
}

// Each cell record replaces what an earlier one put in its cell, a formula among it.
void SheetParser::put(int row, int column, CellValue value, std::uint16_t format,
                      bool formulaResult) {
    const CellAddress cell{row + 1, column + 1};
    if (!cell.isValid()) {
        return;
    }
    if (!formulaResult && !kept_.formulas.empty()) {
        kept_.formulas.erase(cellKey(row, column));
    }
    if (format != NoFormat) {
        noteValueFormat(row, column, format);
    }
    if (value.isEmpty()) {
        sheet_->setValue(cell, CellValue());
        return;
    }
    if (row + 1 > sheet_->rowCapacity()) {
        context_.rowSlots += static_cast<std::size_t>(row + 1 - sheet_->rowCapacity());
        if (context_.rowSlots > MaxRowSlots) {
            throw XlsFormatError(QStringLiteral("sešit je příliš velký."));
        }
    }
    sheet_->setValue(cell, std::move(value));
}

void SheetParser::finish() {
    kept_.sortRows();
    for (auto& [key, formula] : kept_.formulas) {
        formula.cachedResult =
            sheet_->value({static_cast<int>(key >> 8) + 1, static_cast<int>(key & 0xFF) + 1});
    }
    auto chosen = selections_.find(activePane_);
    if (chosen == selections_.end()) {
        chosen = selections_.find(3);
    }
    if (chosen != selections_.end()) {
        sheet_->setSelection(chosen->second.selection, chosen->second.activeCell);
    }
}

}  // namespace spreadsheet::xls
