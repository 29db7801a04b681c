#include "XlsWriter.h"

#include "BiffRecords.h"
#include "BiffStrings.h"
#include "ByteWriter.h"
#include "RecordWriter.h"
#include "SheetPlan.h"
#include "SheetReferences.h"
#include "SheetWriter.h"
#include "SstWriter.h"
#include "XlsFormatError.h"

#include <QHash>

#include <map>

namespace spreadsheet::xls {

namespace {

constexpr qsizetype MaxCellText = 32767;
// Excel reads a workbook stream shorter than this from the mini-stream poorly; pad it.
constexpr std::size_t MinStreamSize = 4096;

class StreamBuilder {
public:
    StreamBuilder(const std::vector<const Sheet*>& sheets, int activeSheet,
                  const KeptWorkbook* kept)
        : sheets_(sheets),
          activeSheet_(activeSheet),
          kept_(kept && kept->sheets.size() == sheets.size() ? kept : nullptr) {}

    std::vector<std::uint8_t> build() {
        for (std::size_t i = 0; i < sheets_.size(); ++i) {
            tables_.push_back(planCellTable(*sheets_[i], keptSheet(i)));
        }
        collectStrings();
        if (kept_) {
            writeKeptGlobals();
        } else {
            writeNewGlobals();
        }
        for (std::size_t i = 0; i < sheets_.size(); ++i) {
            out_.patchU32(sheetOffsetPositions_[i], static_cast<std::uint32_t>(out_.size()));
            writeSheet(out_, *sheets_[i], tables_[i], keptSheet(i),
                       static_cast<int>(i) == activeSheet_);
        }
        if (out_.size() < MinStreamSize) {
            out_.bytes().resize(MinStreamSize, 0);
        }
        return std::move(out_.bytes());
    }

private:
    const KeptSheet* keptSheet(std::size_t i) const { return kept_ ? &kept_->sheets[i] : nullptr; }
    void collectStrings();
    std::uint32_t stringIndex(const CellValue& value, const std::vector<std::uint8_t>* runs);
    void writeNewGlobals();
    void writeKeptGlobals();
    void writeKeptGlobal(const RecordList& records, const RecordList::Entry& entry,
                         const SheetReferences& references);
    void writeFormats();
    void writeWindow1(const std::vector<std::uint8_t>* kept);
    void writeBoundSheets();
    void writeU16Record(std::uint16_t id, std::uint16_t value) {
        ByteWriter b;
        b.u16(value);
        writeRecord(out_, id, b);
    }

    const std::vector<const Sheet*>& sheets_;
    int activeSheet_;
    const KeptWorkbook* kept_;
    std::vector<std::vector<PlannedRow>> tables_;
    ByteWriter out_;
    std::vector<SharedString> strings_;
    QHash<QString, std::uint32_t> plainIndex_;
    std::map<std::pair<QString, std::vector<std::uint8_t>>, std::uint32_t> richIndex_;
    std::uint32_t stringReferences_ = 0;
    std::vector<std::size_t> sheetOffsetPositions_;
    int supBooks_ = 0;
    int ownSupBook_ = -1;
    bool sstWritten_ = false;
};

void StreamBuilder::collectStrings() {
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        for (PlannedRow& row : tables_[i]) {
            for (PlannedCell& cell : row.cells) {
                if (cell.kind != PlannedCell::Kind::Value || !cell.value->isText()) {
                    continue;
                }
                if (cell.value->text().size() > MaxCellText) {
                    throw XlsFormatError(
                        QStringLiteral("buňka %1 listu „%2“ obsahuje text delší než 32 767 znaků, "
                                       "který formát .xls neuloží.")
                            .arg(CellAddress{row.row0 + 1, cell.column0 + 1}.toA1(),
                                 sheets_[i]->name()));
                }
                cell.stringIndex = stringIndex(*cell.value, cell.runs);
            }
        }
    }
}

std::uint32_t StreamBuilder::stringIndex(const CellValue& value,
                                         const std::vector<std::uint8_t>* runs) {
    ++stringReferences_;
    const auto next = static_cast<std::uint32_t>(strings_.size());
    if (runs) {
        const auto [found, added] = richIndex_.try_emplace({value.text(), *runs}, next);
        if (added) {
            strings_.push_back({value.text(), *runs});
        }
        return found->second;
    }
    const auto found = plainIndex_.constFind(value.text());
    if (found != plainIndex_.constEnd()) {
        return *found;
    }
    plainIndex_.insert(value.text(), next);
    strings_.push_back({value.text(), {}});
    return next;
}

void StreamBuilder::writeNewGlobals() {
    writeBof(out_, 0x0005);
    writeU16Record(record::CodePage, 1200);
    writeWindow1(nullptr);
    writeU16Record(record::DateMode, 0);
    writeU16Record(record::Precision, 1);
    writeU16Record(record::BookBool, 0);
    writeFormats();
    writeBoundSheets();
    SstWriter(out_).write(strings_, stringReferences_);
    writeRecord(out_, record::Eof, ByteWriter());
}

// The globals as read, in their order; the records that hold stream positions or the sheet
// list are made anew where they stood.
void StreamBuilder::writeKeptGlobals() {
    const SheetReferences references(kept_->fileTabCount, kept_->fileTabOfSheet);
    writeBof(out_, 0x0005);
    const RecordList& records = kept_->globals;
    for (const auto& entry : records.entries()) {
        writeKeptGlobal(records, entry, references);
    }
    if (!sstWritten_) {
        SstWriter(out_).write(strings_, stringReferences_);
    }
    writeRecord(out_, record::Eof, ByteWriter());
}

void StreamBuilder::writeKeptGlobal(const RecordList& records, const RecordList::Entry& entry,
                                    const SheetReferences& references) {
    if (entry.size == 0) {
        switch (entry.id) {
            case record::CodePage:
                writeU16Record(record::CodePage, 1200);
                break;
            case record::Window1:
                writeWindow1(nullptr);
                break;
            case record::BoundSheet:
                writeBoundSheets();
                break;
            case record::Sst:
                if (!sstWritten_) {
                    SstWriter(out_).write(strings_, stringReferences_);
                    sstWritten_ = true;
                }
                break;
            default:
                break;
        }
        return;
    }
    const bool remap = references.changesAnything();
    switch (entry.id) {
        case record::Window1: {
            const auto body = records.body(entry);
            writeWindow1(&body);
            return;
        }
        case record::SupBook: {
            const auto body = records.body(entry);
            if (SheetReferences::isOwnSupBook(body)) {
                ownSupBook_ = supBooks_;
            }
            ++supBooks_;
            if (remap) {
                writeLongRecord(out_, entry.id, references.supBook(body));
                return;
            }
            break;
        }
        case record::ExternSheet:
            if (remap) {
                writeLongRecord(out_, entry.id,
                                references.externSheet(records.body(entry), ownSupBook_));
                return;
            }
            break;
        case record::Name:
            if (remap) {
                writeLongRecord(out_, entry.id, references.name(records.body(entry)));
                return;
            }
            break;
        case record::TabId:
            if (remap) {
                writeLongRecord(out_, entry.id, references.tabId(records.body(entry)));
                return;
            }
            break;
        default:
            break;
    }
    writeRaw(out_, records.raw(entry), entry.size);
}

// A kept WINDOW1 keeps the window's size and flags; the active tab is the active sheet.
void StreamBuilder::writeWindow1(const std::vector<std::uint8_t>* kept) {
    constexpr std::size_t window1Size = 18;
    ByteWriter window;
    if (kept && kept->size() >= window1Size) {
        window.bytes().assign(kept->begin(), kept->begin() + window1Size);
        window.bytes().resize(10);
    } else {
        window.u16(0);       // left
        window.u16(0);       // top
        window.u16(0x4000);  // width
        window.u16(0x2000);  // height
        window.u16(0x0038);  // scroll bars and sheet tabs shown
    }
    window.u16(static_cast<std::uint16_t>(activeSheet_));
    window.u16(0);  // first tab shown
    window.u16(1);  // one tab selected
    window.u16(kept && kept->size() >= window1Size
                   ? static_cast<std::uint16_t>((*kept)[16] | ((*kept)[17] << 8))
                   : 0x0258);
    writeRecord(out_, record::Window1, window);
}

// The active sheet is always shown; the others keep being hidden if they were.
void StreamBuilder::writeBoundSheets() {
    for (std::size_t i = 0; i < sheets_.size(); ++i) {
        const bool active = static_cast<int>(i) == activeSheet_;
        ByteWriter b;
        b.u32(0);  // patched once the sheet's position is known
        b.u8(kept_ && !active ? kept_->sheets[i].visibility : 0);
        b.u8(0);  // worksheet
        writeShortString(b, sheets_[i]->name());
        sheetOffsetPositions_.push_back(out_.size() + 4);
        writeRecord(out_, record::BoundSheet, b);
    }
}

// The fonts, the 15 style formats plus one cell format, and the Normal style that Excel
// expects in every workbook.
void StreamBuilder::writeFormats() {
    for (int i = 0; i < 4; ++i) {
        ByteWriter font;
        font.u16(200);     // 10 points
        font.u16(0);       // no attributes
        font.u16(0x7FFF);  // automatic colour
        font.u16(400);     // normal weight
        font.u16(0);
        font.u8(0);
        font.u8(0);
        font.u8(0);
        font.u8(0);
        writeShortString(font, QStringLiteral("Arial"));
        writeRecord(out_, record::Font, font);
    }
    for (int i = 0; i <= DefaultCellFormat; ++i) {
        const bool styleXf = i < DefaultCellFormat;
        ByteWriter xf;
        xf.u16(0);                          // font
        xf.u16(0);                          // General
        xf.u16(styleXf ? 0xFFF5 : 0x0001);  // style XF / cell XF of style 0, locked
        xf.u8(0x20);                        // aligned to the bottom
        xf.u8(0);
        xf.u8(0);
        xf.u8(styleXf && i > 0 ? 0xF4 : 0x00);
        xf.u32(0);
        xf.u32(0);
        xf.u16(0x20C0);  // automatic pattern colours
        writeRecord(out_, record::Xf, xf);
    }
    ByteWriter style;
    style.u16(0x8000);  // built-in style of XF 0
    style.u8(0);        // Normal
    style.u8(0xFF);
    writeRecord(out_, record::Style, style);
}

}  // namespace

std::vector<std::uint8_t> buildWorkbookStream(const std::vector<const Sheet*>& sheets,
                                              int activeSheet, const KeptWorkbook* kept) {
    return StreamBuilder(sheets, activeSheet, kept).build();
}

}  // namespace spreadsheet::xls
