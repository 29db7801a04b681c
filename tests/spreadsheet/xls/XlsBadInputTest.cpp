// Files that are no readable workbook: each gives error 1004 with a Czech reason naming the
// file, never a crash, a hang or a huge allocation.
#include "BiffBuilder.h"

#include "spreadsheet/SpreadsheetError.h"
#include "spreadsheet/xls/XlsFile.h"
#include "spreadsheet/xls/XlsFormatError.h"
#include "spreadsheet/xls/XlsReader.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString damaged = QStringLiteral("soubor je poškozený nebo neúplný.");
const QString notXls = QStringLiteral("není to sešit Excel 97-2003 (.xls).");

// The reason given for bytes read as "Polka.xls", or "OK" when they were read.
QString reasonFor(const QByteArray& bytes) {
    try {
        spreadsheet::xls::readXlsBytes(bytes, QStringLiteral("Polka.xls"));
        return QStringLiteral("OK");
    } catch (const spreadsheet::SpreadsheetError& error) {
        EXPECT_EQ(error.number(), 1004);
        const QString prefix = QStringLiteral("Soubor Polka.xls nelze otevřít: ");
        EXPECT_TRUE(error.description().startsWith(prefix)) << error.description().toStdString();
        return error.description().mid(prefix.size());
    }
}

QString reasonForStream(const std::vector<std::uint8_t>& stream) {
    return reasonFor(xlsFileWithStream(stream));
}

std::vector<std::uint8_t> oneCellWorkbook() {
    return workbookStream({}, {{QStringLiteral("List1"), {{0x0203, cellHeader(0, 0).f64(1)}}}});
}

}  // namespace

TEST(XlsBadInput, FilesThatAreNoWorkbookAtAll) {
    EXPECT_EQ(reasonFor(QByteArray()), notXls);
    EXPECT_EQ(reasonFor("Šla panenka"), notXls);
    EXPECT_EQ(reasonFor("<html><table><tr><td>1</td></tr></table></html>"), notXls);
    EXPECT_EQ(reasonFor(QByteArray("\xD0\xCF\x11\xE0", 4)), notXls);
    EXPECT_EQ(reasonFor(xlsFileWithStream({1, 2, 3}, "WordDocument")), notXls);
}

// Newer formats under an .xls name, and workbooks protected by a password, are named as such.
TEST(XlsBadInput, NewerFormatsAndPasswordsAreNamed) {
    const QString reason =
        reasonFor(QByteArray("PK\x03\x04\x14\x00\x06\x00", 8) + QByteArray(200, 0));
    EXPECT_TRUE(reason.startsWith(QStringLiteral(
        "je to sešit v novějším formátu (.xlsx nebo .ods), ne Excel 97-2003 (.xls).")))
        << reason.toStdString();
    const QString password = QStringLiteral("sešit je chráněn heslem.");
    EXPECT_TRUE(
        reasonFor(xlsFileWithStream({0, 1, 2, 3}, "EncryptedPackage")).startsWith(password));
    const auto stream = workbookStream({{0x002F, Body().u16(1).raw({1, 2, 3, 4}).bytes}},
                                       {{QStringLiteral("List1"), {}}});
    EXPECT_TRUE(reasonForStream(stream).startsWith(password))
        << reasonForStream(stream).toStdString();
}

TEST(XlsBadInput, OlderAndUnknownVersions) {
    BiffStream biff4;
    biff4.record(0x0409, Body().u16(0).u16(0x0100).bytes).eof();
    EXPECT_TRUE(
        reasonForStream(biff4.bytes()).startsWith(QStringLiteral("soubor je ve starém formátu")));
    BiffStream future;
    future.record(0x0809, Body().u16(0x0700).u16(5).u32(0).bytes).eof();
    BiffStream lonelySheet;
    lonelySheet.bof(0x0600, 0x0010).eof();
    const std::pair<std::vector<std::uint8_t>, const char*> cases[] = {
        {future.bytes(), "neznámá verze formátu sešitu."},
        {lonelySheet.bytes(), "soubor neobsahuje sešit, jen samostatný list nebo graf."},
        {workbookStream({}, {}), "sešit neobsahuje žádný list s buňkami."}};
    for (const auto& [stream, reason] : cases) {
        EXPECT_EQ(reasonForStream(stream), QString::fromUtf8(reason));
    }
}

TEST(XlsBadInput, DamagedRecordStructure) {
    // A record claiming more bytes than the stream has, after the last EOF: not read.
    auto runsPast = oneCellWorkbook();
    runsPast.insert(runsPast.end(), {0x03, 0x02, 0xFF, 0x7F});
    EXPECT_EQ(reasonForStream(runsPast), QStringLiteral("OK"));

    auto longBof = oneCellWorkbook();
    longBof[2] = 0xFF;  // the length of the BOF record
    longBof[3] = 0xFF;
    auto farSheet = workbookStream({}, {{QStringLiteral("A"), {}}});
    farSheet.resize(farSheet.size() - 8);  // the sheet cut off inside its BOF record
    auto endless = workbookStream({}, {{QStringLiteral("A"), {}}});
    endless.resize(endless.size() - 4);
    const auto sheetOf = [](std::vector<Rec> records) {
        return workbookStream({}, {{QStringLiteral("A"), std::move(records)}});
    };
    // Besides those: a shared-string index beyond the table, a cell record cut short, a string
    // longer than its record.
    for (const auto& stream :
         {longBof, farSheet, endless, sheetOf({{0x00FD, cellHeader(0, 0).u32(5)}}),
          sheetOf({{0x0203, {0, 0, 0}}}),
          sheetOf({{0x0204, cellHeader(0, 0).u16(60000).u8(0).latin1("abc")}})}) {
        EXPECT_EQ(reasonForStream(stream), damaged);
    }
}

TEST(XlsBadInput, AbsurdCountsCostNothing) {
    // Four billion strings announced, two present.
    Body sst;
    sst.u32(0xFFFFFFFF).u32(0xFFFFFFFF).u16(1).u8(0).latin1("a").u16(1).u8(0).latin1("b");
    const auto strings = workbookStream(
        {{0x00FC, sst.bytes}}, {{QStringLiteral("A"), {{0x00FD, cellHeader(0, 0).u32(1)}}}});
    EXPECT_EQ(reasonForStream(strings), QStringLiteral("OK"));

    // Thousands of sheets that all point at one sheet with a cell in the last row.
    std::vector<SheetSpec> sheets(
        3000, SheetSpec{QStringLiteral("x"), {{0x0203, cellHeader(65535, 0).f64(1)}}});
    const QString reason = reasonForStream(workbookStream({}, sheets));
    EXPECT_TRUE(reason == QStringLiteral("sešit má příliš mnoho listů.") ||
                reason == QStringLiteral("sešit je příliš velký."))
        << reason.toStdString();
}

// Every prefix of a real file and of its workbook stream is read or refused, never a crash.
TEST(XlsBadInput, EveryTruncationIsHandled) {
    const QByteArray file = readBytes(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"));
    int refused = 0;
    for (qsizetype size = 0; size < file.size(); size += 61) {
        refused += reasonFor(file.left(size)) != QStringLiteral("OK");
    }
    EXPECT_GT(refused, 0);

    const auto stream = workbookStream(
        {{0x00FC, Body().u32(2).u32(2).u16(3).u8(0).latin1("c1,").u16(2).u8(1).utf16("Šl").bytes}},
        {{QStringLiteral("A"),
          {{0x00FD, cellHeader(0, 0).u32(0)},
           {0x00FD, cellHeader(1, 0).u32(1)},
           {0x0203, cellHeader(2, 0).f64(2)}}}});
    for (size_t size = 0; size < stream.size(); ++size) {
        const std::vector<std::uint8_t> prefix(stream.begin(),
                                               stream.begin() + static_cast<long>(size));
        try {
            spreadsheet::xls::parseWorkbookStream(prefix);
        } catch (const spreadsheet::xls::XlsFormatError&) {
        }
    }
}
