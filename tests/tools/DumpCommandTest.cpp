// `mechik-cli dump` as players' scripts call it: its output, its escaping and its exit codes.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellRect;
using spreadsheet::CellValue;
using testing_support::sheetWith;

namespace {

testing_support::CliRun mechikCli(const QStringList& arguments) {
    return testing_support::runMechikCli(arguments);
}

}  // namespace

TEST(DumpCommand, PrintsSheetsCursorsAndCellsInOrder) {
    auto first =
        sheetWith(QStringLiteral("Píseň"), {{"B7", CellValue(QStringLiteral("cis1,"))},
                                            {"A1", CellValue(QStringLiteral("Ško\\da\tže\nmi\rx"))},
                                            {"C1", CellValue::number(10)},
                                            {"B1", CellValue::number(0.25)},
                                            {"A2", CellValue::boolean(true)},
                                            {"D2", CellValue::number(1e20)}});
    first->setSelection(CellRect::single({7, 2}), {7, 2});
    auto second = sheetWith(QStringLiteral("Prázdný"), {});
    second->setSelection(CellRect::single({3, 4}), {3, 4});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Píseň.xls"));
    spreadsheet::xls::writeXlsFile(path, {first.get(), second.get()}, 1);

    const testing_support::CliRun run = mechikCli({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, QStringLiteral("sheet\tPíseň\n"
                                      "cursor\t$B$7\n"
                                      "A1\tŠko\\\\da\\tže\\nmi\\rx\n"
                                      "B1\t0.25\n"
                                      "C1\t10\n"
                                      "A2\tTRUE\n"
                                      "D2\t1E+20\n"
                                      "B7\tcis1,\n"
                                      "sheet\tPrázdný\tactive\n"
                                      "cursor\t$D$3\n"));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST(DumpCommand, AFileItCannotReadIsExitStatus1WithOneLine) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("text.xls"));
    testing_support::writeBytes(path, "not a workbook");
    const testing_support::CliRun run = mechikCli({QStringLiteral("dump"), path});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(run.err.count(u'\n'), 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("nelze otevřít")));

    // A damaged container: libgsf's own complaints must not reach the console.
    const QString damaged = dir.filePath(QStringLiteral("damaged.xls"));
    testing_support::writeBytes(
        damaged,
        testing_support::readBytes(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls")).left(2600));
    const testing_support::CliRun cut = mechikCli({QStringLiteral("dump"), damaged});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(cut.err.count(u'\n'), 1) << cut.err.toStdString();

    const testing_support::CliRun missing =
        mechikCli({QStringLiteral("dump"), dir.filePath(QStringLiteral("nic.xls"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err.count(u'\n'), 1);
}

TEST(DumpCommand, WrongArgumentsShowUsage) {
    EXPECT_EQ(mechikCli({}).exitCode, 2);
    EXPECT_EQ(mechikCli({QStringLiteral("dump")}).exitCode, 2);
    EXPECT_EQ(mechikCli({QStringLiteral("vypis"), QStringLiteral("a.xls")}).exitCode, 2);
}
