#include "XlsReader.h"

#include "BiffRecords.h"
#include "CodePage.h"
#include "RecordStream.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <map>

namespace spreadsheet::xls {

namespace {

enum class Biff { V5, V8 };

// Limits that keep a hostile file from costing more than a real one could.
constexpr std::size_t MaxSheets = 4096;
constexpr std::size_t MaxRowSlots = 4u * 1024u * 1024u;

struct SheetEntry {
    std::uint32_t offset = 0;
    QString name;
};

// Character data that may run on into CONTINUE records; each continuation of characters
// starts with a flags byte saying whether they are 8- or 16-bit.
class StringReader {
public:
    explicit StringReader(const Record& record)
        : bytes_(record.reader()), continueStarts_(record.continueStarts) {}

    ByteReader& bytes() { return bytes_; }

    QString chars(std::size_t count, bool sixteenBit) {
        QString text;
        text.reserve(static_cast<qsizetype>(std::min(count, bytes_.remaining())));
        while (count > 0) {
            const std::size_t limit = nextBoundary() - bytes_.position();
            if (limit == 0) {
                sixteenBit = (bytes_.u8() & 0x01) != 0;
                continue;
            }
            const std::size_t width = sixteenBit ? 2 : 1;
            const std::size_t n = std::min(count, limit / width);
            if (n == 0) {
                throwDamaged();
            }
            bytes_.require(n * width);
            const std::uint8_t* p = bytes_.here();
            for (std::size_t i = 0; i < n; ++i) {
                text.append(QChar(sixteenBit ? char16_t(p[2 * i] | (p[2 * i + 1] << 8))
                                             : char16_t(p[i])));
            }
            bytes_.skip(n * width);
            count -= n;
        }
        return text;
    }

    // XLUnicodeRichExtendedString and its plainer relatives (the flags say what follows).
    QString unicodeString(std::size_t count) {
        const std::uint8_t flags = bytes_.u8();
        const std::size_t runs = (flags & 0x08) ? bytes_.u16() : 0;
        const std::size_t extended = (flags & 0x04) ? bytes_.u32() : 0;
        QString text = chars(count, (flags & 0x01) != 0);
        bytes_.skip(runs * 4);
        bytes_.skip(extended);
        return text;
    }

private:
    std::size_t nextBoundary() const {
        for (const std::size_t start : continueStarts_) {
            if (start >= bytes_.position()) {
                return start;
            }
        }
        return bytes_.size();
    }

    ByteReader bytes_;
    const std::vector<std::size_t>& continueStarts_;
};

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

struct PaneSelection {
    CellRect selection;
    CellAddress activeCell;
};

class WorkbookParser {
public:
    explicit WorkbookParser(const std::vector<std::uint8_t>& stream) : stream_(stream) {}

    WorkbookData parse();

private:
    void parseGlobals();
    void readBoundSheet(const Record& record);
    void readSst(const Record& record);
    std::shared_ptr<Sheet> parseSheet(const SheetEntry& entry);
    void readCell(const Record& record, Sheet& sheet);
    void readFormula(ByteReader& r, CellAddress cell, Sheet& sheet);
    QString eightBitString(ByteReader& r, std::size_t count) const;
    QString labelText(const Record& record, ByteReader& r);
    void put(Sheet& sheet, int row, int column, CellValue value);
    void chargeWork(std::size_t bytes);

    const std::vector<std::uint8_t>& stream_;
    Biff biff_ = Biff::V8;
    int codePage_ = 1252;
    int activeTab_ = 0;
    std::vector<SheetEntry> entries_;
    std::vector<int> tabOfEntry_;
    std::vector<QString> sst_;
    std::size_t rowSlots_ = 0;
    std::size_t work_ = 0;
    std::optional<CellAddress> pendingStringCell_;
};

void WorkbookParser::chargeWork(std::size_t bytes) {
    work_ += bytes + 4;
    if (work_ > 8 * stream_.size() + (1u << 20)) {
        throwDamaged();
    }
}

WorkbookData WorkbookParser::parse() {
    parseGlobals();
    WorkbookData data;
    int activeSheet = 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (tabOfEntry_[i] == activeTab_) {
            activeSheet = static_cast<int>(data.sheets.size());
        }
        data.sheets.push_back(parseSheet(entries_[i]));
    }
    if (data.sheets.empty()) {
        throw XlsFormatError(QStringLiteral("sešit neobsahuje žádný list s buňkami."));
    }
    data.activeSheet = activeSheet;
    return data;
}

void WorkbookParser::parseGlobals() {
    RecordStream records(stream_, 0);
    auto bof = records.next();
    if (!bof || bof->id == record::Bof2 || bof->id == record::Bof3 || bof->id == record::Bof4) {
        throw XlsFormatError(QStringLiteral(
            "soubor je ve starém formátu Excelu (verze 4 nebo starší), který program neumí číst."));
    }
    if (bof->id != record::Bof) {
        throwDamaged();
    }
    ByteReader r = bof->reader();
    const std::uint16_t version = r.u16();
    const std::uint16_t type = r.u16();
    if (version == 0x0600) {
        biff_ = Biff::V8;
        codePage_ = 1200;
    } else if (version == 0x0500) {
        biff_ = Biff::V5;
    } else {
        throw XlsFormatError(QStringLiteral("neznámá verze formátu sešitu."));
    }
    if (type != 0x0005) {
        throw XlsFormatError(
            QStringLiteral("soubor neobsahuje sešit, jen samostatný list nebo graf."));
    }
    int tab = 0;
    while (auto rec = records.next()) {
        chargeWork(rec->size);
        switch (rec->id) {
            case record::Eof:
                return;
            case record::FilePass:
                throw XlsFormatError(QStringLiteral(
                    "sešit je chráněn heslem. Odstraňte heslo v Excelu nebo LibreOffice "
                    "a uložte ho znovu."));
            case record::CodePage:
                codePage_ = rec->reader().u16();
                break;
            case record::Window1: {
                ByteReader w = rec->reader();
                w.skip(10);
                activeTab_ = w.u16();
                break;
            }
            case record::BoundSheet: {
                ByteReader b = rec->reader();
                b.skip(5);
                const std::uint8_t sheetType = b.u8();
                // Worksheets and macro sheets hold cells; charts and modules are left out.
                if (sheetType == 0x00 || sheetType == 0x01) {
                    readBoundSheet(*rec);
                    tabOfEntry_.push_back(tab);
                }
                ++tab;
                break;
            }
            case record::Sst:
                if (biff_ == Biff::V8) {
                    readSst(*rec);
                }
                break;
            default:
                break;
        }
    }
    throwDamaged();  // the workbook globals never ended
}

void WorkbookParser::readBoundSheet(const Record& record) {
    if (entries_.size() >= MaxSheets) {
        throw XlsFormatError(QStringLiteral("sešit má příliš mnoho listů."));
    }
    StringReader s(record);
    ByteReader& r = s.bytes();
    SheetEntry entry;
    entry.offset = r.u32();
    r.skip(2);
    const std::size_t length = r.u8();
    entry.name = biff_ == Biff::V8 ? s.unicodeString(length) : eightBitString(r, length);
    entries_.push_back(std::move(entry));
}

void WorkbookParser::readSst(const Record& record) {
    StringReader s(record);
    ByteReader& r = s.bytes();
    r.skip(4);
    const std::uint32_t unique = r.u32();
    for (std::uint32_t i = 0; i < unique && !r.atEnd(); ++i) {
        const std::size_t length = r.u16();
        sst_.push_back(s.unicodeString(length));
    }
}

QString WorkbookParser::eightBitString(ByteReader& r, std::size_t count) const {
    r.require(count);
    QString text = decodeCodePage(r.here(), count, codePage_);
    r.skip(count);
    return text;
}

QString WorkbookParser::labelText(const Record& record, ByteReader& position) {
    StringReader s(record);
    s.bytes().seek(position.position());
    const std::size_t length = s.bytes().u16();
    if (biff_ == Biff::V5) {
        return eightBitString(s.bytes(), length);
    }
    return s.unicodeString(length);
}

void WorkbookParser::put(Sheet& sheet, int row, int column, CellValue value) {
    const CellAddress cell{row + 1, column + 1};
    if (!cell.isValid() || value.isEmpty()) {
        return;
    }
    if (row + 1 > sheet.rowCapacity()) {
        rowSlots_ += static_cast<std::size_t>(row + 1 - sheet.rowCapacity());
        if (rowSlots_ > MaxRowSlots) {
            throw XlsFormatError(QStringLiteral("sešit je příliš velký."));
        }
    }
    sheet.setValue(cell, std::move(value));
}

void WorkbookParser::readFormula(ByteReader& r, CellAddress cell, Sheet& sheet) {
    r.require(8);
    std::array<std::uint8_t, 8> result;
    std::memcpy(result.data(), r.here(), result.size());
    pendingStringCell_.reset();
    if (result[6] != 0xFF || result[7] != 0xFF) {
        put(sheet, cell.row, cell.column, CellValue::number(r.f64()));
        return;
    }
    switch (result[0]) {
        case 0:  // text: it follows in a STRING record
            pendingStringCell_ = cell;
            break;
        case 1:
            put(sheet, cell.row, cell.column, CellValue::boolean(result[2] != 0));
            break;
        case 2:
            put(sheet, cell.row, cell.column, CellValue::error(result[2]));
            break;
        default:  // the empty text
            break;
    }
}

void WorkbookParser::readCell(const Record& record, Sheet& sheet) {
    ByteReader r = record.reader();
    switch (record.id) {
        case record::LabelSst: {
            const int row = r.u16();
            const int column = r.u16();
            r.skip(2);
            const std::uint32_t index = r.u32();
            if (index >= sst_.size()) {
                throwDamaged();
            }
            put(sheet, row, column, CellValue(sst_[index]));
            break;
        }
        case record::Label:
        case record::RString: {
            const int row = r.u16();
            const int column = r.u16();
            r.skip(2);
            put(sheet, row, column, CellValue(labelText(record, r)));
            break;
        }
        case record::Number: {
            const int row = r.u16();
            const int column = r.u16();
            r.skip(2);
            put(sheet, row, column, CellValue::number(r.f64()));
            break;
        }
        case record::Rk: {
            const int row = r.u16();
            const int column = r.u16();
            r.skip(2);
            put(sheet, row, column, CellValue::number(decodeRk(r.u32())));
            break;
        }
        case record::MulRk: {
            const int row = r.u16();
            int column = r.u16();
            while (r.remaining() >= 6 + 2) {
                r.skip(2);
                put(sheet, row, column++, CellValue::number(decodeRk(r.u32())));
            }
            break;
        }
        case record::BoolErr: {
            const int row = r.u16();
            const int column = r.u16();
            r.skip(2);
            const std::uint8_t value = r.u8();
            const bool isError = r.u8() != 0;
            put(sheet, row, column, isError ? CellValue::error(value) : CellValue::boolean(value));
            break;
        }
        case record::Formula: {
            const int row = r.u16();
            const int column = r.u16();
            r.skip(2);
            readFormula(r, {row, column}, sheet);
            return;
        }
        case record::String:
            if (pendingStringCell_) {
                const CellAddress cell = *pendingStringCell_;
                put(sheet, cell.row, cell.column, CellValue(labelText(record, r)));
            }
            break;
        default:
            return;
    }
    pendingStringCell_.reset();
}

std::shared_ptr<Sheet> WorkbookParser::parseSheet(const SheetEntry& entry) {
    auto sheet = std::make_shared<Sheet>(entry.name);
    if (entry.offset >= stream_.size()) {
        throwDamaged();
    }
    RecordStream records(stream_, entry.offset);
    const auto bof = records.next();
    if (!bof || bof->id != record::Bof) {
        throwDamaged();
    }
    std::map<int, PaneSelection> selections;
    int activePane = 3;
    int depth = 0;
    pendingStringCell_.reset();
    while (auto rec = records.next()) {
        chargeWork(rec->size);
        if (rec->id == record::Bof) {
            ++depth;  // an embedded chart: its records are not cells of this sheet
            continue;
        }
        if (rec->id == record::Eof) {
            if (depth-- == 0) {
                break;
            }
            continue;
        }
        if (depth > 0) {
            continue;
        }
        if (rec->id == record::Pane) {
            ByteReader p = rec->reader();
            p.skip(8);
            activePane = p.u8();
        } else if (rec->id == record::Selection) {
            ByteReader s = rec->reader();
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
                if (i == activeRef && rect.first.isValid() && rect.last.isValid() &&
                    firstRow <= lastRow && firstColumn <= lastColumn) {
                    selection.selection = rect;
                }
            }
            if (active.isValid()) {
                selections[pane] = selection;
            }
        } else {
            readCell(*rec, *sheet);
        }
    }
    if (depth >= 0) {
        throwDamaged();  // the sheet's records never ended
    }
    auto chosen = selections.find(activePane);
    if (chosen == selections.end()) {
        chosen = selections.find(3);
    }
    if (chosen != selections.end()) {
        sheet->setSelection(chosen->second.selection, chosen->second.activeCell);
    }
    return sheet;
}

}  // namespace

WorkbookData parseWorkbookStream(const std::vector<std::uint8_t>& stream) {
    return WorkbookParser(stream).parse();
}

}  // namespace spreadsheet::xls
