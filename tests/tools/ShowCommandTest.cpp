// `mechik-cli show`: a grip shown headless by the window's own code, printed for scripts.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using testing_support::sheetWith;

namespace {

testing_support::CliRun show(const QStringList& arguments) {
    return testing_support::runMechikCli(QStringList{"show"} + arguments);
}

}  // namespace

TEST(ShowCommand, PrintsTheLitButtonsTheStaffAndTheMessages) {
    QTemporaryDir dir;
    auto song = sheetWith(QStringLiteral("G-C-F"),
                          {{"B1", CellValue(QStringLiteral("c1,"))},
                           {"C1", CellValue(QStringLiteral("cis1,"))},
                           {"D1", CellValue(QStringLiteral("d4,"))},
                           {"I1", CellValue(QStringLiteral("Tlak"))},
                           {"M1", CellValue(QStringLiteral("C"))},
                           {"B2", CellValue(QStringLiteral("cis1,"))},
                           {"I2", CellValue(QStringLiteral("Tah"))}});
    const QString path = dir.filePath(QStringLiteral("Píseň.xls"));
    spreadsheet::xls::writeXlsFile(path, {song.get()}, 0);
    const QByteArray before = testing_support::readBytes(path);

    const testing_support::CliRun push = show({path, "1", "tlak", "--db", MECHIK_BIN_DIR "/Vezar.xls"});
    EXPECT_EQ(push.exitCode, 0) << push.err.toStdString();
    EXPECT_EQ(push.out, QStringLiteral(
                            "Obr\t10\t105\n"
                            "Obr\t21\t106\n"
                            "Obr\t37\t105\n"
                            "ObrBas\t4\t111\n"
                            "imgNota\t0\t6920\n"
                            "imgNota\t1\t6920\n"
                            "imgKrizek\t0\t6820\n"
                            "msg\tNeexistující tón.\tTón d4, při tlačení měchu na této knoflovce "
                            "neexistuje !\\rNeregistruji pro tento tón ani žádné alternativní "
                            "pojmenování.\n"));
    EXPECT_TRUE(push.err.isEmpty()) << push.err.toStdString();

    // The program's own Vezar.xls is the default database.
    const testing_support::CliRun pull = show({path, "2", "tah"});
    EXPECT_EQ(pull.exitCode, 0);
    EXPECT_TRUE(pull.out.startsWith(QStringLiteral("msg\tNeexistující tón.\t"))) << pull.out.toStdString();
    // The song is only read.
    EXPECT_EQ(testing_support::readBytes(path), before);
}

TEST(ShowCommand, AnUnreadableSongIsExitStatus1) {
    QTemporaryDir dir;
    const testing_support::CliRun missing = show({dir.filePath(QStringLiteral("nic.xls")), "1", "tlak"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("nelze otevřít"))) << missing.err.toStdString();
    EXPECT_EQ(missing.err.count(u'\n'), 1);
    EXPECT_EQ(show({"a.xls", "x", "tlak"}).exitCode, 2);
    EXPECT_EQ(show({"a.xls", "1", "push"}).exitCode, 2);
}
