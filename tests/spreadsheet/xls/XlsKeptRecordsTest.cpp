// What a workbook holds beyond its cells is written back when it is saved: the records as
// they were read, the cell formats, formulas until their cell is written, and the records
// that point into the stream made anew. What cannot be written back is named.
#include "BiffBuilder.h"

#include "spreadsheet/xls/CompoundFile.h"
#include "spreadsheet/xls/KeptRecords.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xls/XlsReader.h"
#include "spreadsheet/xls/XlsWriter.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using namespace testing_support;
using spreadsheet::CellAddress;
using spreadsheet::CellValue;
using spreadsheet::Sheet;
using spreadsheet::WorkbookData;
using spreadsheet::xls::parseWorkbookStream;

namespace {

struct ReadRecord {
    std::uint16_t id;
    std::vector<std::uint8_t> body;
    std::size_t position;
};
using Substream = std::vector<ReadRecord>;

std::uint16_t u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return u16(b, at) | (static_cast<std::uint32_t>(u16(b, at + 2)) << 16);
}

// Every record as it lies in the stream, CONTINUE records apart: the globals first, then
// each sheet (an embedded chart stays inside its sheet).
std::vector<Substream> substreams(const std::vector<std::uint8_t>& stream) {
    std::vector<Substream> result;
    int depth = 0;
    for (std::size_t at = 0; at + 4 <= stream.size();) {
        const std::uint16_t id = u16(stream, at);
        const std::size_t length = u16(stream, at + 2);
        if (id == 0 && length == 0) {
            break;
        }
        if (id == 0x0809 && depth++ == 0) {
            result.emplace_back();
        }
        result.back().push_back({id,
                                 {stream.begin() + static_cast<long>(at + 4),
                                  stream.begin() + static_cast<long>(at + 4 + length)},
                                 at});
        depth -= id == 0x000A;
        at += 4 + length;
    }
    return result;
}

// The records whose id is among `ids`, or with `except` those whose id is not.
Substream withIds(const Substream& records, const std::set<std::uint16_t>& ids,
                  bool except = false) {
    Substream result;
    std::copy_if(records.begin(), records.end(), std::back_inserter(result),
                 [&](const ReadRecord& r) { return ids.count(r.id) != except; });
    return result;
}

std::vector<std::pair<std::uint16_t, std::vector<std::uint8_t>>> idsAndBodies(
    const Substream& records) {
    std::vector<std::pair<std::uint16_t, std::vector<std::uint8_t>>> result;
    for (const auto& r : records) {
        result.push_back({r.id, r.body});
    }
    return result;
}

// Reads a stream, lets `edit` write cells as the program would, and saves it.
std::vector<std::uint8_t> resave(const std::vector<std::uint8_t>& stream,
                                 const std::function<void(WorkbookData&)>& edit = {}) {
    WorkbookData data = parseWorkbookStream(stream);
    if (edit) {
        edit(data);
    }
    std::vector<const Sheet*> sheets;
    for (const auto& sheet : data.sheets) {
        sheets.push_back(sheet.get());
    }
    return spreadsheet::xls::buildWorkbookStream(sheets, data.activeSheet, data.kept.get());
}

void setCell(WorkbookData& data, const char* address, const CellValue& value) {
    data.sheets[0]->setValue(*CellAddress::parse(QString::fromLatin1(address)), value);
}

std::vector<std::uint8_t> fixtureStream(const char* name) {
    const QByteArray file =
        readBytes(QStringLiteral(MECHIK_TEST_DATA "/") + QString::fromLatin1(name));
    return spreadsheet::xls::extractWorkbookStream(
               reinterpret_cast<const std::uint8_t*>(file.constData()),
               static_cast<std::size_t>(file.size()), 1u << 26)
        .workbookStream;
}

constexpr std::uint16_t Font = 0x0031, Xf = 0x00E0, Style = 0x0293, Row = 0x0208, Label = 0x0204,
                        Formula = 0x0006, LabelSst = 0x00FD, Number = 0x0203, Blank = 0x0201,
                        String = 0x0207, ShrFmla = 0x04BC, ArrayRec = 0x0221, ColInfo = 0x007D,
                        BoundSheet = 0x0085, Index = 0x020B, DbCell = 0x00D7, Selection = 0x001D;

// The cell records, each with its format; and what a formula adds to its cell.
const std::set<std::uint16_t> cellIds{0x0201, 0x00BE, 0x0203, 0x027E, 0x00BD,
                                      0x00FD, 0x0204, 0x00D6, 0x0205, 0x0006};
const std::set<std::uint16_t> formulaIds{0x0207, 0x04BC, 0x0221, 0x0236};

// The XF index of each cell record, by address.
std::map<QString, std::uint16_t> cellFormats(const Substream& sheet) {
    std::map<QString, std::uint16_t> formats;
    for (const auto& r : sheet) {
        if (!cellIds.count(r.id)) {
            continue;
        }
        const int row = u16(r.body, 0);
        const int first = u16(r.body, 2);
        if (r.id == 0x00BE || r.id == 0x00BD) {  // MULBLANK, MULRK
            const std::size_t step = r.id == 0x00BE ? 2 : 6;
            for (std::size_t i = 0; 4 + step * i + 2 < r.body.size(); ++i) {
                formats[CellAddress{row + 1, first + 1 + static_cast<int>(i)}.toA1()] =
                    u16(r.body, 4 + step * i);
            }
        } else {
            formats[CellAddress{row + 1, first + 1}.toA1()] = u16(r.body, 4);
        }
    }
    return formats;
}

// A format table of `count` XF records: 15 style formats, then cell formats, told apart by
// their number format.
std::vector<Rec> formatTable(int count) {
    std::vector<Rec> records;
    records.push_back(
        {Font, Body().u16s({200, 0, 0x7FFF, 400, 0}).raw({0, 0, 0, 0, 5, 0}).latin1("Arial")});
    for (int i = 0; i < count; ++i) {
        const auto style = static_cast<std::uint16_t>(i < 15 ? 0xFFF5 : 0x0001);
        records.push_back({Xf, Body().u16s({0, static_cast<std::uint16_t>(i), style, 0x20, 0, 0, 0,
                                            0, 0, 0, 0x20C0})});
    }
    records.push_back({Style, Body().u16(0x8000).u8(0).u8(0xFF)});
    return records;
}

// A FORMULA record in format 16 with its cached result: a number, or with `text` a string
// that a STRING record after it holds.
Rec formula(std::uint16_t row, std::uint16_t column, double number,
            const std::vector<std::uint8_t>& tokens, bool text = false) {
    Body b = cellHeader(row, column, 16);
    if (text) {
        b.raw({0, 0, 0, 0, 0, 0, 0xFF, 0xFF});
    } else {
        b.f64(number);
    }
    b.u16(0).u32(0).u16(static_cast<std::uint16_t>(tokens.size()));
    b.bytes.insert(b.bytes.end(), tokens.begin(), tokens.end());
    return {Formula, b.bytes};
}
// PtgExp: the formula is the one defined at `row`, `column` (SHRFMLA or ARRAY there).
std::vector<std::uint8_t> defined(std::uint8_t row, std::uint8_t column) {
    return {0x01, row, 0, column, 0};
}

Substream sheetRecords(const std::vector<std::uint8_t>& stream, std::size_t sheet = 0) {
    return substreams(stream).at(sheet + 1);
}

}  // namespace

// Everything LibreOffice wrote that is not made anew is written back byte for byte.
TEST(XlsKeptRecords, TheRecordsOfALibreOfficeSongAreWrittenBackAsTheyWere) {
    const auto original = fixtureStream("lo-formatted.xls");
    const auto saved = resave(original, [](WorkbookData& data) {
        setCell(data, "A2", CellValue(QStringLiteral("Lás-")));
    });
    const auto before = substreams(original);
    const auto after = substreams(saved);
    ASSERT_EQ(after.size(), before.size());

    const std::set<std::uint16_t> madeAnew{0x0085, 0x00FC, 0x00FF, 0x0161, 0x01C1, 0x00EB, 0x003C,
                                           0x020B, 0x00D7, 0x0200, 0x0208, 0x023E, 0x001D, 0x00EC};
    auto kept = [&madeAnew](const Substream& records) {
        std::set<std::uint16_t> ids = madeAnew;
        ids.insert(cellIds.begin(), cellIds.end());
        ids.insert(formulaIds.begin(), formulaIds.end());
        return idsAndBodies(withIds(records, ids, true));
    };
    for (std::size_t i = 0; i < before.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kept(after[i]), kept(before[i]));
    }
    ASSERT_EQ(withIds(before[0], {Xf}).size(), 27u);  // the formats are there to be kept
    // Without RECALCID Excel computes every formula anew on opening, so results that depend
    // on cells written since are never stale.
    ASSERT_EQ(withIds(before[0], {0x01C1}).size(), 1u);
    EXPECT_TRUE(withIds(after[0], {0x01C1}).empty());

    const Substream& song = after[1];
    EXPECT_EQ(cellFormats(song), cellFormats(before[1]));  // A2 too: the bold red syllable
    EXPECT_EQ(idsAndBodies(withIds(song, {Formula, String})),
              idsAndBodies(withIds(before[1], {Formula, String})));
    const auto rowsBefore = withIds(before[1], {Row});
    const auto rowsAfter = withIds(song, {Row});
    ASSERT_EQ(rowsAfter.size(), rowsBefore.size());
    for (std::size_t i = 0; i < rowsBefore.size(); ++i) {
        EXPECT_EQ(u16(rowsAfter[i].body, 6), u16(rowsBefore[i].body, 6));    // height
        EXPECT_EQ(u16(rowsAfter[i].body, 12), u16(rowsBefore[i].body, 12));  // flags
    }
    // The title row is taller than the rest, and the merge is there.
    EXPECT_EQ(u16(rowsAfter[0].body, 6), 680);
    EXPECT_EQ(withIds(song, {0x00E5}).size(), 1u);
}

TEST(XlsKeptRecords, AWrittenCellKeepsItsFormatAndANewOneTakesItsRowsOrColumns) {
    const auto stream = workbookStream(formatTable(20),
                                       {{QStringLiteral("G-C-F"),
                                         {{ColInfo, Body().u16s({1, 1, 4000, 17, 0, 0})},
                                          {Row, Body().u16s({2, 0, 0, 300, 0, 0, 0x01C0, 18})},
                                          {Label, cellHeader(0, 0, 16).u16(4).u8(0).latin1("Sko-")},
                                          {Blank, cellHeader(0, 5, 19)}}}});
    const auto saved = resave(stream, [](WorkbookData& data) {
        setCell(data, "A1", CellValue(QStringLiteral("Lás-")));
        setCell(data, "B2", CellValue(QStringLiteral("c1,")));  // column B has format 17
        setCell(data, "C3", CellValue(QStringLiteral("e1,")));  // row 3 has format 18
        setCell(data, "D4", CellValue(QStringLiteral("Tlak")));
        setCell(data, "F1", CellValue::number(2));  // the formatted empty cell
    });
    EXPECT_EQ(cellFormats(sheetRecords(saved)),
              (std::map<QString, std::uint16_t>{
                  {"A1", 16}, {"B2", 17}, {"C3", 18}, {"D4", 15}, {"F1", 19}}));

    // Clearing a cell keeps its format, as clearing contents does in every spreadsheet.
    const auto cleared = resave(saved, [](WorkbookData& data) {
        data.sheets[0]->clear(spreadsheet::CellRect::single({1, 1}));
    });
    const auto blanks = withIds(sheetRecords(cleared), {Blank});
    ASSERT_FALSE(blanks.empty());
    EXPECT_EQ(u16(blanks.front().body, 2), 0);
    EXPECT_EQ(u16(blanks.front().body, 4), 16);
}

TEST(XlsKeptRecords, AFormulaIsKeptUntilItsCellIsWrittenThenItIsAPlainValue) {
    const auto stream =
        workbookStream(formatTable(17), {{QStringLiteral("List1"),
                                          {formula(0, 1, 3, {0x1E, 0x03, 0x00}),             // =3
                                           formula(1, 1, 0, {0x17, 0x01, 0x00, 'x'}, true),  // ="x"
                                           {String, Body().u16(1).u8(0).latin1("x")}}}});
    const auto unchanged = resave(stream);
    EXPECT_EQ(idsAndBodies(withIds(sheetRecords(unchanged), {Formula, String})),
              idsAndBodies(withIds(sheetRecords(stream), {Formula, String})));

    const auto written = resave(stream, [](WorkbookData& data) {
        setCell(data, "B1", CellValue::number(5));
        setCell(data, "B2", CellValue(QStringLiteral("x")));  // the same as its result: kept
    });
    const auto sheet = sheetRecords(written);
    const auto formulas = withIds(sheet, {Formula});
    ASSERT_EQ(formulas.size(), 1u);
    EXPECT_EQ(u16(formulas[0].body, 0), 1);
    const auto numbers = withIds(sheet, {Number});
    ASSERT_EQ(numbers.size(), 1u);
    EXPECT_EQ(u16(numbers[0].body, 4), 16);  // its format stays
    EXPECT_EQ(parseWorkbookStream(written).sheets[0]->value({1, 2}), CellValue::number(5));
}

TEST(XlsKeptRecords, SharedFormulasLeavePlainValuesWhenTheirDefiningCellIsWritten) {
    // B1:B3 share one formula defined at B1; C1:C2 hold an array formula defined at C1.
    Body shared;
    shared.u16(0).u16(2).u8(1).u8(1).u8(0).u8(3).u16(3).raw({0x1E, 0x07, 0x00});
    Body array;
    array.u16(0).u16(1).u8(2).u8(2).u16(0).u32(0).u16(3).raw({0x1E, 0x09, 0x00});
    const auto stream = workbookStream(formatTable(17), {{QStringLiteral("List1"),
                                                          {formula(0, 1, 7, defined(0, 1)),
                                                           {ShrFmla, shared.bytes},
                                                           formula(1, 1, 7, defined(0, 1)),
                                                           formula(2, 1, 7, defined(0, 1)),
                                                           formula(0, 2, 9, defined(0, 2)),
                                                           {ArrayRec, array.bytes},
                                                           formula(1, 2, 9, defined(0, 2))}}});
    auto formulaCells = [](const std::vector<std::uint8_t>& saved) {
        std::set<QString> cells;
        for (const auto& r : withIds(sheetRecords(saved), {Formula})) {
            cells.insert(CellAddress{u16(r.body, 0) + 1, u16(r.body, 2) + 1}.toA1());
        }
        return cells;
    };
    EXPECT_EQ(formulaCells(resave(stream)), (std::set<QString>{"B1", "B2", "B3", "C1", "C2"}));
    EXPECT_EQ(withIds(sheetRecords(resave(stream)), {ShrFmla, ArrayRec}).size(), 2u);

    // A member written: the rest of the shared formula stays; an array changes only whole.
    const auto members = resave(stream, [](WorkbookData& data) {
        setCell(data, "B3", CellValue(QStringLiteral("c1,")));
        setCell(data, "C2", CellValue(QStringLiteral("e1,")));
    });
    EXPECT_EQ(formulaCells(members), (std::set<QString>{"B1", "B2"}));
    EXPECT_EQ(withIds(sheetRecords(members), {ShrFmla}).size(), 1u);
    EXPECT_TRUE(withIds(sheetRecords(members), {ArrayRec}).empty());

    // The defining cell written: the other cells keep their results as plain values.
    const auto definition = resave(
        stream, [](WorkbookData& data) { setCell(data, "B1", CellValue(QStringLiteral("g1,"))); });
    EXPECT_EQ(formulaCells(definition), (std::set<QString>{"C1", "C2"}));
    EXPECT_TRUE(withIds(sheetRecords(definition), {ShrFmla}).empty());
    const auto data = parseWorkbookStream(definition);
    EXPECT_EQ(data.sheets[0]->value({2, 2}), CellValue::number(7));
    EXPECT_EQ(data.sheets[0]->value({3, 2}), CellValue::number(7));
}

TEST(XlsKeptRecords, RichTextKeepsItsRunsUntilItsTextChanges) {
    auto globals = formatTable(16);
    globals.push_back(
        {0x00FC, Body().u32(2).u32(1).u16(7).u8(0x08).u16(2).latin1("da las-").u16s({3, 1, 6, 0})});
    const auto streamWithFormats = workbookStream(
        globals, {{QStringLiteral("List1"),
                   {{LabelSst, cellHeader(0, 0).u32(0)}, {LabelSst, cellHeader(1, 0).u32(0)}}}});
    const auto saved = resave(streamWithFormats, [](WorkbookData& data) {
        setCell(data, "A2", CellValue(QStringLiteral("ky")));
    });
    const auto sstRecords = withIds(substreams(saved)[0], {0x00FC});
    ASSERT_EQ(sstRecords.size(), 1u);
    // Two strings: the rich one with its two runs, and the new plain one.
    const std::vector<std::uint8_t> rich{7,   0,   0x08, 2, 0, 'd', 'a', ' ', 'l', 'a',
                                         's', '-', 3,    0, 1, 0,   6,   0,   0,   0};
    const auto& body = sstRecords[0].body;
    EXPECT_EQ(u32(body, 4), 2u);
    EXPECT_TRUE(std::search(body.begin(), body.end(), rich.begin(), rich.end()) != body.end());
    EXPECT_EQ(parseWorkbookStream(saved).sheets[0]->value({1, 1}).text(),
              QStringLiteral("da las-"));
}

// INDEX points at DEFCOLWIDTH and at each DBCELL; each DBCELL at its block's first ROW and
// at the first cell of each of its rows.
TEST(XlsKeptRecords, TheCellTableIsIndexedBlockByBlock) {
    auto sheet = std::make_shared<Sheet>(QStringLiteral("Dlouhá"));
    for (int row = 1; row <= 70; ++row) {
        if (row % 5 != 0) {
            sheet->setValue({row, 2}, CellValue(QStringLiteral("c1,")));
            sheet->setValue({row, 9}, CellValue(QStringLiteral("Tlak")));
        }
    }
    const auto stream = spreadsheet::xls::buildWorkbookStream({sheet.get()}, 0);
    const auto records = sheetRecords(stream);
    std::map<std::size_t, const ReadRecord*> at;
    for (const auto& r : records) {
        at[r.position] = &r;
    }
    const auto index = withIds(records, {Index});
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(u32(index[0].body, 4), 0u);   // first row with cells
    EXPECT_EQ(u32(index[0].body, 8), 69u);  // one past the last
    EXPECT_EQ(at.at(u32(index[0].body, 12))->id, 0x0055);
    const std::size_t blocks = (index[0].body.size() - 16) / 4;
    ASSERT_EQ(blocks, 3u);
    int rowsSeen = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        const std::size_t dbCellAt = u32(index[0].body, 16 + 4 * b);
        const ReadRecord& dbCell = *at.at(dbCellAt);
        ASSERT_EQ(dbCell.id, DbCell);
        const std::size_t firstRowAt = dbCellAt - u32(dbCell.body, 0);
        ASSERT_EQ(at.at(firstRowAt)->id, Row);
        std::size_t cellAt = firstRowAt + 20;
        for (std::size_t i = 4; i + 2 <= dbCell.body.size(); i += 2) {
            cellAt += u16(dbCell.body, i);
            const ReadRecord& first = *at.at(cellAt);
            EXPECT_EQ(first.id, LabelSst);
            EXPECT_EQ(u16(first.body, 2), 1);  // column B comes first in each row
            ++rowsSeen;
        }
    }
    EXPECT_EQ(rowsSeen, 56);
}

// A chart sheet is left out; the references to sheets by their place follow the others.
TEST(XlsKeptRecords, ChartSheetsAreLeftOutAndReferencesFollowTheSheets) {
    auto globals = formatTable(16);
    globals.push_back({0x013D, Body().u16s({1, 2, 3})});                       // TABID
    globals.push_back({0x01AE, Body().u16(3).u16(0x0401)});                    // own SUPBOOK
    globals.push_back({0x0017, Body().u16s({3, 0, 0, 0, 0, 2, 2, 0, 1, 1})});  // EXTERNSHEET
    globals.push_back({0x0018, Body().u16(0).u8(0).u8(1).u16s({0, 0, 3}).u32(0).u8(0).latin1("x")});
    const auto saved = resave(workbookStream(
        globals,
        {{QStringLiteral("A"), {}}, {QStringLiteral("Graf"), {}, 2}, {QStringLiteral("B"), {}}}));
    const auto records = substreams(saved)[0];
    EXPECT_EQ(withIds(records, {BoundSheet}).size(), 2u);
    EXPECT_EQ(withIds(records, {0x013D})[0].body, (std::vector<std::uint8_t>{1, 0, 3, 0}));
    EXPECT_EQ(u16(withIds(records, {0x01AE})[0].body, 0), 2);
    EXPECT_EQ(withIds(records, {0x0017})[0].body,
              (std::vector<std::uint8_t>{3, 0, 0, 0, 0, 0, 0,    0,    0,    0,
                                         1, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(u16(withIds(records, {0x0018})[0].body, 8), 2);  // the name local to B
    EXPECT_FALSE(parseWorkbookStream(saved).unkept.any());
}

TEST(XlsKeptRecords, HiddenSheetsStayHiddenButTheActiveSheetIsShown) {
    auto hidden =
        workbookStream(formatTable(16), {{QStringLiteral("A"), {}}, {QStringLiteral("B"), {}}});
    hidden[withIds(substreams(hidden)[0], {BoundSheet})[1].position + 8] = 1;  // B is hidden
    EXPECT_EQ(withIds(substreams(resave(hidden))[0], {BoundSheet})[1].body[4], 1);
    const auto activeB = resave(hidden, [](WorkbookData& data) { data.activeSheet = 1; });
    EXPECT_EQ(withIds(substreams(activeB)[0], {BoundSheet})[1].body[4], 0);
}

// A frozen header row stays frozen; the cursor written is that of the active pane.
TEST(XlsKeptRecords, PanesKeepTheirSelectionsAndTheActiveOneHoldsTheCursor) {
    const auto original = fixtureStream("lo-frozen.xls");
    const auto saved = resave(original, [](WorkbookData& data) {
        data.sheets[0]->setSelection(spreadsheet::CellRect::single({9, 2}), {9, 2});
    });
    const auto before = substreams(original)[1];
    const auto after = substreams(saved)[1];
    EXPECT_EQ(idsAndBodies(withIds(after, {0x0041})), idsAndBodies(withIds(before, {0x0041})));
    const auto selections = withIds(after, {Selection});
    ASSERT_EQ(selections.size(), 4u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(selections[i].body, withIds(before, {Selection})[i].body);
    }
    EXPECT_EQ(selections[3].body[0], 0);  // the active pane
    EXPECT_EQ(parseWorkbookStream(saved).sheets[0]->activeCell().toAbsolute(),
              QStringLiteral("$B$9"));
}

TEST(XlsKeptRecords, TheDocumentPropertiesStreamsAreKept) {
    const std::vector<std::uint8_t> properties{0xFE, 0xFF, 0, 0, 1, 2, 3};
    const QByteArray file =
        xlsFileWithStream(workbookStream(formatTable(16), {{QStringLiteral("A"), {}}}), "Workbook",
                          {{"\005SummaryInformation", properties}, {"Ole10Native", {9, 9}}});
    const auto data = spreadsheet::xls::readXlsBytes(file, QStringLiteral("a.xls"));
    ASSERT_TRUE(data.kept);
    std::vector<const Sheet*> sheets{data.sheets[0].get()};
    const QByteArray saved = spreadsheet::xls::encodeXls(sheets, 0, data.kept.get());
    const auto contents = spreadsheet::xls::extractWorkbookStream(
        reinterpret_cast<const std::uint8_t*>(saved.constData()),
        static_cast<std::size_t>(saved.size()), 1u << 20);
    ASSERT_EQ(contents.propertyStreams.size(), 1u);
    EXPECT_EQ(contents.propertyStreams[0].name, "\005SummaryInformation");
    EXPECT_EQ(contents.propertyStreams[0].bytes, properties);
}

TEST(XlsKeptRecords, WhatCannotBeSavedIsNamed) {
    auto unkept = [](std::vector<Rec> sheetRecords, std::vector<Rec> globals = {}) {
        return parseWorkbookStream(workbookStream(globals, {{QStringLiteral("A"), sheetRecords}}))
            .unkept;
    };
    auto obj = [](std::uint16_t type) {
        return Rec{0x005D,
                   Body().u16s({0x15, 0x12, type, 1, 0}).u32(0).u32(0).u32(0).u16(0).u32(0)};
    };
    const Rec emptyDrawingLayer{0x00EC, Body().u16(0x000F).u16(0xF002).u32(0)};
    EXPECT_FALSE(unkept({emptyDrawingLayer}).any());  // what LibreOffice writes on every sheet
    EXPECT_TRUE(unkept({emptyDrawingLayer, obj(0x02)}).drawings);
    EXPECT_TRUE(unkept({obj(0x08)}).drawings);
    EXPECT_TRUE(unkept({obj(0x19)}).comments);
    EXPECT_FALSE(unkept({obj(0x19)}).drawings);
    EXPECT_TRUE(unkept({{0x001C, Body().u16s({0, 0, 0, 1, 0})}}).comments);
    EXPECT_TRUE(unkept({obj(0x05)}).charts);
    EXPECT_TRUE(
        unkept({{0x0809, Body().u16(0x0600).u16(0x0020).u32(0).u32(0).u32(0)}, {0x000A, {}}})
            .charts);
    EXPECT_TRUE(unkept({}, {{0x00D3, {}}}).macros);

    auto inContainer = [](const char* name) {
        const QByteArray file =
            xlsFileWithStream(workbookStream(formatTable(16), {{QStringLiteral("A"), {}}}),
                              "Workbook", {{name, {1, 2, 3}}});
        return spreadsheet::xls::readXlsBytes(file, QStringLiteral("a.xls")).unkept;
    };
    EXPECT_TRUE(inContainer("_VBA_PROJECT_CUR/VBA/dir").macros);
    EXPECT_TRUE(inContainer("MBD0001A2B3/\001Ole").embeddedObjects);
    EXPECT_FALSE(inContainer("\005SummaryInformation").any());

    // The chart and the drawing records are not written back.
    const auto saved = resave(workbookStream(
        formatTable(16), {{QStringLiteral("A"),
                           {emptyDrawingLayer,
                            obj(0x02),
                            {0x01B6, Body().u16(0).u32(0).u16s({0, 0, 0, 0})},
                            {0x0809, Body().u16(0x0600).u16(0x0020).u32(0).u32(0).u32(0)},
                            {0x000A, {}}}}}));
    EXPECT_TRUE(withIds(sheetRecords(saved), {0x00EC, 0x005D, 0x01B6}).empty());
    EXPECT_EQ(withIds(sheetRecords(saved), {0x0809}).size(), 1u);
    EXPECT_FALSE(parseWorkbookStream(saved).unkept.any());
}

// Excel 5 keeps the border lines and the fill in other bits than Excel 97.
TEST(XlsKeptRecords, Excel5FormatsAreWrittenInTheLayoutOfExcel97) {
    std::vector<Rec> globals;
    globals.push_back(
        {Font, Body().u16s({240, 0, 10, 700, 0}).raw({0, 0, 0, 0, 5}).latin1("Arial")});
    for (int i = 0; i < 16; ++i) {
        globals.push_back(
            {Xf, Body().u16s({0, 0}).u16(i < 15 ? 0xFFF5 : 0x0001).u8(0x20).u8(0).u32(0).u32(0)});
    }
    // XF 16: centred, wrapped, orientation "90° counter-clockwise"; pattern colour 13 and
    // background 9 with fill 1, bottom line style 2 colour 8; top 1 colour 10, left 3
    // colour 11, right 5 colour 12.
    const std::uint32_t fill = 13u | (9u << 7) | (1u << 16) | (2u << 22) | (8u << 25);
    const std::uint32_t lines = 1u | (3u << 3) | (5u << 6) | (10u << 9) | (11u << 16) | (12u << 23);
    globals.push_back(
        {Xf, Body().u16s({0, 2, 0x0001}).u8(0x2A).u8(0x02 | 0xF8).u32(fill).u32(lines)});
    globals.push_back({0x041E, Body().u16(164).u8(4).latin1("0.00")});
    const auto saved = resave(workbookStream(
        globals, {{QStringLiteral("Pisen"), {{0x0204, cellHeader(0, 0, 16).u16(3).latin1("abc")}}}},
        0x0500));
    const auto records = substreams(saved)[0];
    const auto xfs = withIds(records, {Xf});
    ASSERT_EQ(xfs.size(), 17u);
    // font, number format, cell format of style 0, alignment, rotation 90°, no indent, used
    const std::vector<std::uint8_t> expected{0, 0, 2, 0, 0x01, 0x00, 0x2A, 90, 0, 0xF8};
    const auto& xf = xfs[16].body;
    ASSERT_EQ(xf.size(), 20u);
    EXPECT_EQ(std::vector<std::uint8_t>(xf.begin(), xf.begin() + 10), expected);
    // Line styles left, right, top, bottom; colours left, right, top, bottom; fill; its colours.
    const std::uint32_t borders = u32(xf, 10), colours = u32(xf, 14);
    EXPECT_EQ((std::vector<std::uint32_t>{borders & 0xF, borders >> 4 & 0xF, borders >> 8 & 0xF,
                                          borders >> 12 & 0xF, borders >> 16 & 0x7F,
                                          borders >> 23 & 0x7F, colours & 0x7F, colours >> 7 & 0x7F,
                                          colours >> 26, u16(xf, 18)}),
              (std::vector<std::uint32_t>{3, 5, 1, 2, 11, 12, 10, 8, 1, 13 | (9 << 7)}));
    const auto format = withIds(records, {0x041E});
    ASSERT_EQ(format.size(), 1u);
    EXPECT_EQ(format[0].body, (std::vector<std::uint8_t>{164, 0, 4, 0, 0, '0', '.', '0', '0'}));
    EXPECT_EQ(withIds(records, {Font})[0].body.back(), 'l');
    EXPECT_EQ(cellFormats(substreams(saved)[1]).at(QStringLiteral("A1")), 16);
}
