#include "Biff5Records.h"

#include "BiffRecords.h"
#include "BiffStrings.h"
#include "CodePage.h"
#include "XlsFormatError.h"

namespace spreadsheet::xls {

namespace {

using Body = std::vector<std::uint8_t>;

QString byteString(ByteReader& r, std::size_t count, int codePage) {
    r.require(count);
    QString text = decodeCodePage(r.here(), count, codePage);
    r.skip(count);
    return text;
}

Body copyOf(const Record& record) {
    return Body(record.data, record.data + record.size);
}

// Height, attributes, colour, weight and the like come first in both layouts; the name
// becomes Unicode.
Body font(const Record& record, int codePage) {
    constexpr std::size_t fixedPart = 14;
    ByteReader r = record.reader();
    r.require(fixedPart);
    ByteWriter out;
    out.bytes().assign(record.data, record.data + fixedPart);
    r.skip(fixedPart);
    const std::size_t length = r.u8();
    writeShortString(out, byteString(r, length, codePage));
    return out.bytes();
}

Body format(const Record& record, int codePage) {
    ByteReader r = record.reader();
    ByteWriter out;
    out.u16(r.u16());
    const std::size_t length = r.u8();
    writeUnicodeString(out, byteString(r, length, codePage));
    return out.bytes();
}

std::uint32_t bits(std::uint32_t value, int first, int count) {
    return (value >> first) & ((1u << count) - 1);
}

// Excel 5 packs the border lines and the fill into two 32-bit fields in another order, and
// knows four text orientations where Excel 97 knows a rotation in degrees.
Body xf(const Record& record) {
    static constexpr std::uint8_t rotation[4] = {0, 255, 90, 180};
    ByteReader r = record.reader();
    ByteWriter out;
    out.u16(r.u16());  // font
    out.u16(r.u16());  // number format
    out.u16(r.u16());  // type, protection and parent style
    out.u8(r.u8());    // alignment and wrapping, the same bits in both
    const std::uint8_t orientationAndUsed = r.u8();
    out.u8(rotation[orientationAndUsed & 0x03]);
    out.u8(0);                          // indent, shrinking, reading order
    out.u8(orientationAndUsed & 0xFC);  // which attributes the format sets
    const std::uint32_t fill = r.u32();
    const std::uint32_t lines = r.u32();
    out.u32(bits(lines, 3, 3) | bits(lines, 6, 3) << 4 | bits(lines, 0, 3) << 8 |
            bits(fill, 22, 3) << 12 | bits(lines, 16, 7) << 16 | bits(lines, 23, 7) << 23);
    out.u32(bits(lines, 9, 7) | bits(fill, 25, 7) << 7 | bits(fill, 16, 6) << 26);
    out.u16(static_cast<std::uint16_t>(bits(fill, 0, 7) | bits(fill, 7, 7) << 7));
    return out.bytes();
}

Body style(const Record& record, int codePage) {
    ByteReader r = record.reader();
    ByteWriter out;
    const std::uint16_t format = r.u16();
    out.u16(format);
    if (format & 0x8000) {  // a built-in style: its number and outline level
        out.u8(r.u8());
        out.u8(r.u8());
    } else {
        const std::size_t length = r.u8();
        writeUnicodeString(out, byteString(r, length, codePage));
    }
    return out.bytes();
}

Body headerOrFooter(const Record& record, int codePage) {
    if (record.size == 0) {
        return {};
    }
    ByteReader r = record.reader();
    const std::size_t length = r.u8();
    ByteWriter out;
    writeUnicodeString(out, byteString(r, length, codePage));
    return out.bytes();
}

// Excel 5 gives the grid colour as RGB; Excel 97 as a palette index, here the automatic one.
Body window2(const Record& record) {
    ByteReader r = record.reader();
    ByteWriter out;
    out.u16(r.u16());  // flags
    out.u16(r.u16());  // top row shown
    out.u16(r.u16());  // left column shown
    out.u16(0x40);
    out.u16(0);
    out.u16(0);  // zoom of the page break preview: the default
    out.u16(0);  // zoom of the normal view: the default
    out.u32(0);
    return out.bytes();
}

std::optional<Body> globalsBody(const Record& record, int codePage) {
    switch (record.id) {
        case record::Font:
            return font(record, codePage);
        case record::Format:
            return format(record, codePage);
        case record::Xf:
            return xf(record);
        case record::Style:
            return style(record, codePage);
        case record::Palette:
        case record::DateMode:
        case record::Precision:
        case record::BookBool:
        case record::BackUp:
        case record::HideObj:
        case record::Window1:
        case record::Country:
            return copyOf(record);
        default:
            return std::nullopt;
    }
}

std::optional<Body> sheetBody(const Record& record, int codePage) {
    switch (record.id) {
        case record::Header:
        case record::Footer:
            return headerOrFooter(record, codePage);
        case record::Window2:
            return window2(record);
        case record::CalcCount:
        case record::CalcMode:
        case record::RefMode:
        case record::Iteration:
        case record::Delta:
        case record::SaveRecalc:
        case record::PrintHeaders:
        case record::PrintGridLines:
        case record::GridSet:
        case record::Guts:
        case record::DefaultRowHeight:
        case record::WsBool:
        case record::HCenter:
        case record::VCenter:
        case record::LeftMargin:
        case record::RightMargin:
        case record::TopMargin:
        case record::BottomMargin:
        case record::Setup:
        case record::DefColWidth:
        case record::ColInfo:
        case record::StandardWidth:
        case record::Pane:
        case record::Scl:
        case record::Selection:
        case record::Protect:
        case record::WindowProtect:
        case record::ObjectProtect:
        case record::ScenProtect:
        case record::Password:
            return copyOf(record);
        default:
            return std::nullopt;
    }
}

// A record too short for its layout is left out rather than making the file unreadable.
template <typename Convert>
std::optional<Body> converted(Convert convert, const Record& record, int codePage) {
    try {
        return convert(record, codePage);
    } catch (const XlsFormatError&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<std::vector<std::uint8_t>> biff8GlobalsBody(const Record& record, int codePage) {
    return converted(globalsBody, record, codePage);
}

std::optional<std::vector<std::uint8_t>> biff8SheetBody(const Record& record, int codePage) {
    return converted(sheetBody, record, codePage);
}

}  // namespace spreadsheet::xls
