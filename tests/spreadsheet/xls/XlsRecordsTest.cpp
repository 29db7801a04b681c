// The reader on record streams made by hand: each kind of cell record that Excel 97-2003,
// Excel 5/95 and LibreOffice write, strings split over CONTINUE records, panes and the active
// sheet; and the writer's records byte for byte.
#include "BiffBuilder.h"

#include "spreadsheet/xls/XlsReader.h"
#include "spreadsheet/xls/XlsWriter.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;
using spreadsheet::CellAddress;
using spreadsheet::xls::parseWorkbookStream;

namespace {

std::uint32_t rkInteger(std::int32_t v, bool hundredths = false) {
    return (static_cast<std::uint32_t>(v) << 2) | 0x02u | (hundredths ? 1u : 0u);
}

std::uint32_t rkFloat(double v, bool hundredths = false) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return static_cast<std::uint32_t>(bits >> 32) | (hundredths ? 1u : 0u);
}

Rec sst(const std::vector<std::vector<std::uint8_t>>& strings) {
    Body b;
    b.u32(static_cast<std::uint32_t>(strings.size()))
        .u32(static_cast<std::uint32_t>(strings.size()));
    for (const auto& s : strings) {
        b.bytes.insert(b.bytes.end(), s.begin(), s.end());
    }
    return {0x00FC, b.bytes};
}

}  // namespace

// Each kind of cell record that Excel 97-2003, Excel 5/95 and LibreOffice write, read on one
// sheet: the text each cell shows.
TEST(XlsReader, EveryKindOfCellRecordGivesItsText) {
    auto formula = [](std::uint16_t row, std::initializer_list<std::uint8_t> result) {
        Body b = cellHeader(row, 1);
        b.raw(result).u16(0).u32(0).u16(3).raw({0x1E, 0x01, 0x00});  // flags, chn, tokens
        return Rec{0x0006, b.bytes};
    };
    Body number = cellHeader(0, 1);
    number.f64(42.5).u16(0).u32(0).u16(0);
    // A string whose characters run on into a CONTINUE record: the continuation starts with
    // its own flags byte, and may switch between 8- and 16-bit characters.
    Body first;
    first.u32(3).u32(3);
    first.u16(4).u8(0).latin1("Tlak");
    first.u16(6).u8(0).latin1("ab");  // 4 more characters follow in the CONTINUE
    Body second;
    second.u8(1).utf16(QStringLiteral("čřžý"));
    // a rich string whose formatting runs are split too: no flags byte before them
    second.u16(2).u8(0x08).u16(1).latin1("xy").u16(0);
    struct Case {
        const char* what;
        std::vector<Rec> globals;
        std::vector<Rec> records;
        QStringList cells;  // "A1=37"; "B5=": the cell is empty
        std::uint16_t version = 0x0600;
    };
    const Case cases[] = {
        {"numbers",
         {},
         {{0x027E, cellHeader(0, 0).u32(rkInteger(37))},
          {0x027E, cellHeader(1, 0).u32(rkInteger(-5))},
          {0x027E, cellHeader(2, 0).u32(rkInteger(314, true))},
          {0x027E, cellHeader(3, 0).u32(rkFloat(0.5))},
          {0x027E, cellHeader(4, 0).u32(rkFloat(1234.0, true))},
          {0x0203, cellHeader(5, 0).f64(3.14159265358979)},
          // MULRK: first column 1, three (format, RK) pairs, last column 3
          {0x00BD, Body(cellHeader(6, 1))
                       .u32(rkInteger(7))
                       .u16(15)
                       .u32(rkFloat(2.5))
                       .u16(15)
                       .u32(rkInteger(9))
                       .u16(3)}},
         {"A1=37", "A2=-5", "A3=3.14", "A4=0.5", "A5=12.34", "A6=3.14159265358979", "B7=7",
          "C7=2.5", "D7=9"}},
        {"formulas give their cached results",
         {},
         {{0x0006, number.bytes},
          formula(1, {0x00, 0, 0, 0, 0, 0, 0xFF, 0xFF}),
          {0x0207, Body().u16(5).u8(0).latin1("cis1,")},
          formula(2, {0x01, 0, 1, 0, 0, 0, 0xFF, 0xFF}),
          formula(3, {0x02, 0, 0x07, 0, 0, 0, 0xFF, 0xFF}),
          formula(4, {0x03, 0, 0, 0, 0, 0, 0xFF, 0xFF}),
          formula(5, {0x00, 0, 0, 0, 0, 0, 0xFF, 0xFF}),
          {0x0207, Body().u16(3).u8(1).utf16(QStringLiteral("Čáp"))}},
         {"B1=42.5", "B2=cis1,", "B3=TRUE", "B4=#DIV/0!", "B5=", "B6=Čáp"}},
        {"texts",
         {sst({Body().u16(4).u8(0).latin1("Tlak"), Body().u16(3).u8(1).utf16(QStringLiteral("Šla")),
               // rich text: 2 formatting runs after the characters
               Body().u16(3).u8(0x08).u16(2).latin1("Tah").u32(0).u32(0),
               // extended string: 6 bytes of phonetic data after the characters
               Body().u16(2).u8(0x05).u32(6).utf16(QStringLiteral("ěš")).raw({1, 2, 3, 4, 5, 6}),
               Body().u16(0).u8(0)})},
         {{0x00FD, cellHeader(0, 0).u32(0)},
          {0x00FD, cellHeader(0, 1).u32(1)},
          {0x00FD, cellHeader(0, 2).u32(2)},
          {0x00FD, cellHeader(0, 3).u32(3)},
          {0x00FD, cellHeader(0, 4).u32(4)},
          {0x0204, cellHeader(1, 0).u16(5).u8(0).latin1("c1,d,")},
          {0x00D6, cellHeader(1, 1).u16(3).u8(0).latin1("fis").u16(0)},
          {0x0205, cellHeader(2, 0).u8(1).u8(0)},
          {0x0205, cellHeader(2, 1).u8(0x2A).u8(1)},
          {0x0201, cellHeader(3, 0)},
          {0x00BE, cellHeader(3, 1).u16(15).u16(3)}},
         {"A1=Tlak", "B1=Šla", "C1=Tah", "D1=ěš", "E1=", "A2=c1,d,", "B2=fis", "A3=TRUE",
          "B3=#N/A"}},
        {"shared strings split over CONTINUE records",
         {{0x00FC, first.bytes}, {0x003C, second.bytes}, {0x003C, Body().u16(0).bytes}},
         {{0x00FD, cellHeader(0, 0).u32(0)},
          {0x00FD, cellHeader(0, 1).u32(1)},
          {0x00FD, cellHeader(0, 2).u32(2)}},
         {"A1=Tlak", "B1=abčřžý", "C1=xy"}},
        {"an embedded chart's records are no cells",
         {},
         {{0x0203, cellHeader(0, 0).f64(1)},
          {0x0809, Body().u16s({0x0600, 0x0020, 0, 0}).u32(0).u32(6)},
          {0x0203, cellHeader(0, 1).f64(2)},
          {0x000A, {}},
          {0x0203, cellHeader(0, 2).f64(3)}},
         {"A1=1", "B1=", "C1=3"}},
        {"Excel 95 text decoded by its code page: \"Šla\" and \"Čtení\" in Windows-1250",
         {{0x0042, Body().u16(1250).bytes}},
         {{0x0204, cellHeader(0, 0).u16(3).raw({0x8A, 'l', 'a'})},
          {0x0204, cellHeader(1, 0).u16(5).raw({0xC8, 't', 'e', 'n', 0xED})},
          {0x027E, cellHeader(2, 0).u32(rkInteger(12))}},
         {"A1=Šla", "A2=Čtení", "A3=12"},
         0x0500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto data = parseWorkbookStream(
            workbookStream(c.globals, {{QStringLiteral("Pisen"), c.records}}, c.version));
        EXPECT_EQ(data.sheets[0]->name(), QStringLiteral("Pisen"));
        for (const QString& expected : c.cells) {
            const QString address = expected.section(u'=', 0, 0);
            const auto& value = data.sheets[0]->value(*CellAddress::parse(address));
            const QString text = expected.section(u'=', 1);
            EXPECT_EQ(value.text(), text) << address.toStdString();
            EXPECT_EQ(value.isEmpty(), text.isEmpty()) << address.toStdString();
        }
    }
    // Blank cells, alone or several in one record, hold a format only: they widen no sheet.
    const auto blanks =
        parseWorkbookStream(workbookStream({}, {{QStringLiteral("List1"),
                                                 {{0x0203, cellHeader(0, 1).f64(1)},
                                                  {0x0203, cellHeader(2, 0).f64(2)},
                                                  {0x0201, cellHeader(3, 0)},
                                                  {0x00BE, cellHeader(3, 1).u16(15).u16(3)}}}}));
    EXPECT_EQ(blanks.sheets[0]->usedRect(), (spreadsheet::CellRect{{1, 1}, {3, 2}}));
}

TEST(XlsReader, TheActiveSheetCountsChartSheetsButLeavesThemOut) {
    const auto data = parseWorkbookStream(
        workbookStream({{0x003D, Body().u16s({0, 0, 0x4000, 0x2000, 0x38, 2, 0, 1, 0x258})}},
                       {{QStringLiteral("G-C-F"), {}},
                        {QStringLiteral("Graf"), {}, 2},
                        {QStringLiteral("C-F-B"), {{0x0203, cellHeader(0, 0).f64(1)}}}}));
    ASSERT_EQ(data.sheets.size(), 2u);
    EXPECT_EQ(data.sheets[0]->name(), QStringLiteral("G-C-F"));
    EXPECT_EQ(data.sheets[1]->name(), QStringLiteral("C-F-B"));
    EXPECT_EQ(data.activeSheet, 1);
}

TEST(XlsReader, TheCursorIsTheActiveCellOfTheActivePane) {
    auto selection = [](std::uint8_t pane, std::uint16_t row, std::uint16_t column) {
        return Rec{0x001D, Body()
                               .u8(pane)
                               .u16s({row, column, 0, 1, row, row})
                               .u8(static_cast<std::uint8_t>(column))
                               .u8(static_cast<std::uint8_t>(column))
                               .bytes};
    };
    auto pane = [](std::uint8_t active) {
        return Rec{0x0041, Body().u16s({1, 1, 1, 1}).u8(active).u8(0).bytes};
    };
    const auto data = parseWorkbookStream(workbookStream(
        {}, {{QStringLiteral("Zmrazené"),
              {pane(0), selection(3, 0, 0), selection(1, 0, 3), selection(2, 5, 0),
               selection(0, 11, 3)}},
             {QStringLiteral("Bez příčky"), {selection(3, 6, 2)}},
             {QStringLiteral("Bez výběru"), {}},
             {QStringLiteral("Rozsah"),
              {{0x001D, Body().u8(3).u16s({4, 1, 0, 1, 0, 499}).u8(1).u8(1).bytes}}}}));
    EXPECT_EQ(data.sheets[0]->activeCell().toAbsolute(), QStringLiteral("$D$12"));
    EXPECT_EQ(data.sheets[1]->activeCell().toAbsolute(), QStringLiteral("$C$7"));
    EXPECT_EQ(data.sheets[2]->activeCell().toAbsolute(), QStringLiteral("$A$1"));
    EXPECT_EQ(data.sheets[3]->activeCell().toAbsolute(), QStringLiteral("$B$5"));
    EXPECT_EQ(data.sheets[3]->selection().toAbsolute(), QStringLiteral("$B$1:$B$500"));
}

TEST(XlsReader, ZeroPaddingAfterTheLastRecordIsTolerated) {
    auto stream =
        workbookStream({}, {{QStringLiteral("List1"), {{0x0203, cellHeader(0, 0).f64(1)}}}});
    stream.resize(stream.size() + 3000, 0);
    EXPECT_EQ(parseWorkbookStream(stream).sheets[0]->value({1, 1}).text(), QStringLiteral("1"));
}

// The writer's records, byte for byte, for the cells a song holds.
TEST(XlsWriter, CellRecordsByteForByte) {
    auto sheet =
        sheetWith(QStringLiteral("G-C-F"), {{"B1", spreadsheet::CellValue(QStringLiteral("c1,"))},
                                            {"A2", spreadsheet::CellValue::number(1)},
                                            {"C2", spreadsheet::CellValue::boolean(true)}});
    sheet->setSelection(spreadsheet::CellRect::single({2, 3}), {2, 3});
    const auto stream = spreadsheet::xls::buildWorkbookStream({sheet.get()}, 0);
    auto contains = [&stream](const std::vector<std::uint8_t>& bytes) {
        return std::search(stream.begin(), stream.end(), bytes.begin(), bytes.end()) !=
               stream.end();
    };
    // LABELSST B1 -> string 0
    EXPECT_TRUE(contains({0xFD, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x01, 0x00, 0x0F, 0x00, 0, 0, 0, 0}));
    // NUMBER A2 = 1.0
    EXPECT_TRUE(contains({0x03, 0x02, 0x0E, 0x00, 0x01, 0x00, 0x00, 0x00, 0x0F, 0x00, 0, 0, 0, 0, 0,
                          0, 0xF0, 0x3F}));
    // BOOLERR C2 = TRUE
    EXPECT_TRUE(contains({0x05, 0x02, 0x08, 0x00, 0x01, 0x00, 0x02, 0x00, 0x0F, 0x00, 0x01, 0x00}));
    // SST: 1 reference, 1 string "c1," compressed
    EXPECT_TRUE(contains({0xFC, 0x00, 0x0E, 0x00, 1, 0, 0, 0, 1, 0, 0, 0, 3, 0, 0, 'c', '1', ','}));
    // SELECTION: pane 3, active C2, one range C2:C2
    EXPECT_TRUE(contains({0x1D, 0x00, 0x0F, 0x00, 3, 1, 0, 2, 0, 0, 0, 1, 0, 1, 0, 1, 0, 2, 2}));
    // DIMENSIONS rows 0..2 (exclusive end), columns 0..3
    EXPECT_TRUE(contains({0x00, 0x02, 0x0E, 0x00, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 3, 0, 0, 0}));
    EXPECT_GE(stream.size(), 4096u);
}
