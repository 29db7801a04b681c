// `mechik-cli convert`: a folder of songs converted from a script, with the window's own code.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using testing_support::sheetWith;

namespace {

testing_support::CliRun convert(const QStringList& arguments) {
    return testing_support::runMechikCli(QStringList{"convert"} + arguments);
}

QString writeSong(const QString& path, const QString& tuning, const QString& firstTone) {
    auto song = sheetWith(tuning, {{"B1", CellValue(firstTone)},
                                   {"C1", CellValue(QStringLiteral("e1,"))},
                                   {"I1", CellValue(QStringLiteral("Tlak"))},
                                   {"M1", CellValue(QStringLiteral("C"))},
                                   {"B2", CellValue(QStringLiteral("d1,"))},
                                   {"I2", CellValue(QStringLiteral("Tah"))}});
    spreadsheet::xls::writeXlsFile(path, {song.get()}, 0);
    return path;
}

QString dumpOf(const QString& path) {
    return tools::dumpWorkbook(spreadsheet::xls::readXlsFile(path));
}

}  // namespace

TEST(ConvertCommand, ConvertsIntoTheOutFolderAndReplacesOnlyWhenForced) {
    QTemporaryDir dir;
    const QString song = writeSong(dir.filePath("Polka.xls"), "G-C-F", "c1,");
    const QStringList common{"--db", MECHIK_BIN_DIR "/Vezar.xls", "--out", dir.path()};
    const testing_support::CliRun first = convert(QStringList{song, "C-F-B"} + common);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QString copy = dir.filePath("Polka C-F-B.xls");
    EXPECT_EQ(first.out, QDir::toNativeSeparators(copy) + u'\n');
    EXPECT_EQ(dumpOf(copy), QStringLiteral("sheet\tC-F-B\tactive\ncursor\t$B$3\n"
                                           "B1\tf1,\nC1\ta1,\nI1\tTlak\nM1\tF\n"
                                           "B2\tg1,\nI2\tTah\n"));

    const testing_support::CliRun again = convert(QStringList{song, "C-F-B"} + common);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_EQ(again.err, QStringLiteral("Soubor %1 již existuje. Přepsat ho lze volbou --force.\n")
                             .arg(QDir::toNativeSeparators(copy)));
    const testing_support::CliRun forced = convert(QStringList{song, "C-F-B", "--force"} + common);
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
}

TEST(ConvertCommand, FailuresGiveTheWindowsMessagesAndLeaveTheUnfinishedCopy) {
    QTemporaryDir dir;
    const QStringList common{"--db", MECHIK_BIN_DIR "/Vezar.xls", "--out", dir.path()};
    const QString broken = writeSong(dir.filePath("Chyba.xls"), "G-C-F", "x9,");
    const testing_support::CliRun run = convert(QStringList{broken, "A-D-G"} + common);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(QStringLiteral("x9, nenalezeno. Sloupce B až H edituje Mechík.")))
        << run.err.toStdString();
    EXPECT_TRUE(dumpOf(dir.filePath("Chyba A-D-G.xls"))
                    .startsWith(QStringLiteral("sheet\tA-D-G Nedokončeno\tactive\ncursor\t$B$1\n")));

    const QString foreign = writeSong(dir.filePath("Cizí.xls"), "Nákupy", "c1,");
    const testing_support::CliRun refused = convert(QStringList{foreign, "A-D-G"} + common);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.startsWith(QStringLiteral("Nákupy nenalezeno v seznamu podporovaných ladění.")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Cizí A-D-G.xls")));

    const QString song = writeSong(dir.filePath("Polka.xls"), "G-C-F", "c1,");
    const testing_support::CliRun unknown = convert(QStringList{song, "H-E-A"} + common);
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.startsWith(QStringLiteral("Ladění H-E-A není mezi cílovými laděními")));
}
