#include "XlsWriter.h"

#include "BiffRecords.h"
#include "ByteWriter.h"
#include "XlsFormatError.h"

#include <QHash>

#include <algorithm>

namespace spreadsheet::xls {

namespace {

constexpr std::uint16_t CellXf = 15;  // the first cell format after the 15 style formats
constexpr qsizetype MaxCellText = 32767;
// Excel reads a workbook stream shorter than this from the mini-stream poorly; pad it.
constexpr std::size_t MinStreamSize = 4096;

void writeRecord(ByteWriter& out, std::uint16_t id, const ByteWriter& body) {
    out.u16(id);
    out.u16(static_cast<std::uint16_t>(body.size()));
    out.append(body.bytes());
}

bool needsSixteenBit(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0xFF; });
}

void writeChars(ByteWriter& out, QStringView text, bool sixteenBit) {
    for (const QChar c : text) {
        if (sixteenBit) {
            out.u16(c.unicode());
        } else {
            out.u8(static_cast<std::uint8_t>(c.unicode()));
        }
    }
}

// ShortXLUnicodeString: for font and sheet names (at most 255 characters).
void writeShortString(ByteWriter& out, const QString& text) {
    const bool wide = needsSixteenBit(text);
    out.u8(static_cast<std::uint8_t>(text.size()));
    out.u8(wide ? 1 : 0);
    writeChars(out, text, wide);
}

// The shared-string table, split over CONTINUE records at 8224 bytes. A string's header never
// straddles two records; where its characters do, the continuation starts with a flags byte.
class SstWriter {
public:
    explicit SstWriter(ByteWriter& out) : out_(out) {}

    void write(const std::vector<QString>& strings, std::uint32_t totalReferences) {
        body_.u32(totalReferences);
        body_.u32(static_cast<std::uint32_t>(strings.size()));
        bucketSize_ = std::max<std::size_t>(8, (strings.size() + 127) / 128);
        for (std::size_t i = 0; i < strings.size(); ++i) {
            writeString(strings[i], i % bucketSize_ == 0);
        }
        flush();
        writeExtSst();
    }

private:
    std::size_t room() const { return record::MaxRecordData - body_.size(); }

    void flush() {
        writeRecord(out_, recordsWritten_ == 0 ? record::Sst : record::Continue, body_);
        ++recordsWritten_;
        body_ = ByteWriter();
    }

    void writeString(const QString& text, bool startsBucket) {
        const bool wide = needsSixteenBit(text);
        const std::size_t width = wide ? 2 : 1;
        if (room() < 3 + (text.isEmpty() ? 0 : width)) {
            flush();
        }
        if (startsBucket) {
            buckets_.push_back({static_cast<std::uint32_t>(out_.size() + 4 + body_.size()),
                                static_cast<std::uint16_t>(4 + body_.size())});
        }
        body_.u16(static_cast<std::uint16_t>(text.size()));
        body_.u8(wide ? 1 : 0);
        qsizetype written = 0;
        while (written < text.size()) {
            const auto fits = static_cast<qsizetype>(room() / width);
            if (fits == 0) {
                flush();
                body_.u8(wide ? 1 : 0);
                continue;
            }
            const qsizetype n = std::min(fits, text.size() - written);
            writeChars(body_, QStringView(text).mid(written, n), wide);
            written += n;
        }
    }

    void writeExtSst() {
        ByteWriter body;
        body.u16(static_cast<std::uint16_t>(bucketSize_));
        for (const auto& bucket : buckets_) {
            body.u32(bucket.streamPosition);
            body.u16(bucket.recordOffset);
            body.u16(0);
        }
        writeRecord(out_, record::ExtSst, body);
    }

    struct Bucket {
        std::uint32_t streamPosition;
        std::uint16_t recordOffset;
    };

    ByteWriter& out_;
    ByteWriter body_;
    int recordsWritten_ = 0;
    std::size_t bucketSize_ = 8;
    std::vector<Bucket> buckets_;
};

class StreamBuilder {
public:
    StreamBuilder(const std::vector<const Sheet*>& sheets, int activeSheet)
        : sheets_(sheets), activeSheet_(activeSheet) {}

    std::vector<std::uint8_t> build() {
        collectStrings();
        writeGlobals();
        for (std::size_t i = 0; i < sheets_.size(); ++i) {
            out_.patchU32(sheetOffsetPositions_[i], static_cast<std::uint32_t>(out_.size()));
            writeSheet(*sheets_[i], static_cast<int>(i) == activeSheet_);
        }
        if (out_.size() < MinStreamSize) {
            out_.bytes().resize(MinStreamSize, 0);
        }
        return std::move(out_.bytes());
    }

private:
    void collectStrings();
    void writeGlobals();
    void writeFormats();
    void writeSheet(const Sheet& sheet, bool active);
    void writeRows(const Sheet& sheet, const CellRect& used);
    void writeCell(CellAddress cell, const CellValue& value);

    void writeBof(std::uint16_t type) {
        ByteWriter b;
        b.u16(0x0600);
        b.u16(type);
        b.u16(0x0DBB);
        b.u16(0x07CC);
        b.u32(0);
        b.u32(6);
        writeRecord(out_, record::Bof, b);
    }
    void writeU16Record(std::uint16_t id, std::uint16_t value) {
        ByteWriter b;
        b.u16(value);
        writeRecord(out_, id, b);
    }

    const std::vector<const Sheet*>& sheets_;
    int activeSheet_;
    ByteWriter out_;
    std::vector<QString> strings_;
    QHash<QString, std::uint32_t> stringIndex_;
    std::uint32_t stringReferences_ = 0;
    std::vector<std::size_t> sheetOffsetPositions_;
};

void StreamBuilder::collectStrings() {
    for (const Sheet* sheet : sheets_) {
        sheet->forEachCell([this, sheet](CellAddress cell, const CellValue& value) {
            if (!value.isText()) {
                return;
            }
            if (value.text().size() > MaxCellText) {
                throw XlsFormatError(
                    QStringLiteral("buňka %1 listu „%2“ obsahuje text delší než 32 767 znaků, "
                                   "který formát .xls neuloží.")
                        .arg(cell.toA1(), sheet->name()));
            }
            ++stringReferences_;
            if (!stringIndex_.contains(value.text())) {
                stringIndex_.insert(value.text(), static_cast<std::uint32_t>(strings_.size()));
                strings_.push_back(value.text());
            }
        });
    }
}

void StreamBuilder::writeGlobals() {
    writeBof(0x0005);
    writeU16Record(record::CodePage, 1200);
    ByteWriter window;
    window.u16(0);       // left
    window.u16(0);       // top
    window.u16(0x4000);  // width
    window.u16(0x2000);  // height
    window.u16(0x0038);  // scroll bars and sheet tabs shown
    window.u16(static_cast<std::uint16_t>(activeSheet_));
    window.u16(0);  // first tab shown
    window.u16(1);  // one tab selected
    window.u16(0x0258);
    writeRecord(out_, record::Window1, window);
    writeU16Record(record::DateMode, 0);
    writeU16Record(record::Precision, 1);
    writeU16Record(record::BookBool, 0);
    writeFormats();
    for (const Sheet* sheet : sheets_) {
        ByteWriter b;
        b.u32(0);  // patched once the sheet's position is known
        b.u8(0);   // visible
        b.u8(0);   // worksheet
        writeShortString(b, sheet->name());
        sheetOffsetPositions_.push_back(out_.size() + 4);
        writeRecord(out_, record::BoundSheet, b);
    }
    SstWriter(out_).write(strings_, stringReferences_);
    writeRecord(out_, record::Eof, ByteWriter());
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
    for (int i = 0; i < 16; ++i) {
        const bool styleXf = i < 15;
        ByteWriter xf;
        xf.u16(0);                            // font
        xf.u16(0);                            // General
        xf.u16(styleXf ? 0xFFF5 : 0x0001);    // style XF / cell XF of style 0, locked
        xf.u8(0x20);                          // aligned to the bottom
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

void StreamBuilder::writeSheet(const Sheet& sheet, bool active) {
    writeBof(0x0010);
    const auto used = sheet.usedRect();
    ByteWriter dimensions;
    dimensions.u32(used ? static_cast<std::uint32_t>(used->first.row - 1) : 0);
    dimensions.u32(used ? static_cast<std::uint32_t>(used->last.row) : 0);
    dimensions.u16(used ? static_cast<std::uint16_t>(used->first.column - 1) : 0);
    dimensions.u16(used ? static_cast<std::uint16_t>(used->last.column) : 0);
    dimensions.u16(0);
    writeRecord(out_, record::Dimensions, dimensions);
    if (used) {
        writeRows(sheet, *used);
    }
    ByteWriter window;
    window.u16(active ? 0x06B6 : 0x02B6);  // grid, headers, zeros, outline; selected and shown
    window.u16(0);                         // top row shown
    window.u16(0);                         // left column shown
    window.u16(0x40);                      // automatic grid colour
    window.u16(0);
    window.u16(0);
    window.u16(0);
    window.u32(0);
    writeRecord(out_, record::Window2, window);
    const CellRect& selection = sheet.selection();
    const CellAddress activeCell = sheet.activeCell();
    ByteWriter select;
    select.u8(3);  // the only pane
    select.u16(static_cast<std::uint16_t>(activeCell.row - 1));
    select.u16(static_cast<std::uint16_t>(activeCell.column - 1));
    select.u16(0);
    select.u16(1);
    select.u16(static_cast<std::uint16_t>(selection.first.row - 1));
    select.u16(static_cast<std::uint16_t>(selection.last.row - 1));
    select.u8(static_cast<std::uint8_t>(selection.first.column - 1));
    select.u8(static_cast<std::uint8_t>(selection.last.column - 1));
    writeRecord(out_, record::Selection, select);
    writeRecord(out_, record::Eof, ByteWriter());
}

// Rows go in blocks of 32: the ROW records of a block, then its cells.
void StreamBuilder::writeRows(const Sheet& sheet, const CellRect& used) {
    for (int blockStart = used.first.row; blockStart <= used.last.row; blockStart += 32) {
        const int blockEnd = std::min(blockStart + 31, used.last.row);
        for (int row = blockStart; row <= blockEnd; ++row) {
            int first = 0;
            int last = 0;
            for (int column = used.first.column; column <= used.last.column; ++column) {
                if (!sheet.value({row, column}).isEmpty()) {
                    first = first ? first : column;
                    last = column;
                }
            }
            if (!first) {
                continue;
            }
            ByteWriter b;
            b.u16(static_cast<std::uint16_t>(row - 1));
            b.u16(static_cast<std::uint16_t>(first - 1));
            b.u16(static_cast<std::uint16_t>(last));
            b.u16(0x00FF);  // default height
            b.u16(0);
            b.u16(0);
            b.u16(0x0100);
            b.u16(CellXf);
            writeRecord(out_, record::Row, b);
        }
        for (int row = blockStart; row <= blockEnd; ++row) {
            for (int column = used.first.column; column <= used.last.column; ++column) {
                const CellValue& value = sheet.value({row, column});
                if (!value.isEmpty()) {
                    writeCell({row, column}, value);
                }
            }
        }
    }
}

void StreamBuilder::writeCell(CellAddress cell, const CellValue& value) {
    ByteWriter b;
    b.u16(static_cast<std::uint16_t>(cell.row - 1));
    b.u16(static_cast<std::uint16_t>(cell.column - 1));
    b.u16(CellXf);
    switch (value.type()) {
        case CellValue::Type::Text:
            b.u32(stringIndex_.value(value.text()));
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

}  // namespace

std::vector<std::uint8_t> buildWorkbookStream(const std::vector<const Sheet*>& sheets,
                                              int activeSheet) {
    return StreamBuilder(sheets, activeSheet).build();
}

}  // namespace spreadsheet::xls
