// `mechik-cli show`: a grip shown headless by the window's own code, printed for scripts.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using spreadsheet::CellValue;
using testing_support::sheetWith;

namespace {

testing_support::CliRun show(const QStringList& arguments) {
    return testing_support::runMechikCli(QStringList{"show"} + arguments);
}

// A workbook of one sheet written into `dir` as `file`.
QString writeSheet(const QTemporaryDir& dir, const char* file, const char* sheet,
                   std::initializer_list<std::pair<const char*, CellValue>> cells) {
    const QString path = dir.filePath(QString::fromUtf8(file));
    spreadsheet::xls::writeXlsFile(path, {sheetWith(QString::fromUtf8(sheet), cells).get()}, 0);
    return path;
}

}  // namespace

TEST(ShowCommand, PrintsTheLitButtonsTheStaffAndTheMessages) {
    QTemporaryDir dir;
    const QString path = writeSheet(dir, "Píseň.xls", "G-C-F",
                                    {{"B1", "c1,"},
                                     {"C1", "cis1,"},
                                     {"D1", "d4,"},
                                     {"I1", "Tlak"},
                                     {"M1", "C"},
                                     {"B2", "cis1,"},
                                     {"I2", "Tah"}});
    const QByteArray before = testing_support::readBytes(path);

    const testing_support::CliRun push =
        show({path, "1", "tlak", "--db", MECHIK_BIN_DIR "/Vezar.xls"});
    EXPECT_EQ(push.exitCode, 0) << push.err.toStdString();
    EXPECT_EQ(push.out,
              QStringLiteral("Obr\t10\t105\n"
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
    EXPECT_TRUE(pull.out.startsWith(QStringLiteral("msg\tNeexistující tón.\t")))
        << pull.out.toStdString();
    // The song is only read.
    EXPECT_EQ(testing_support::readBytes(path), before);
}

TEST(ShowCommand, AnUnreadableSongIsExitStatus1) {
    QTemporaryDir dir;
    const testing_support::CliRun missing =
        show({dir.filePath(QStringLiteral("nic.xls")), "1", "tlak"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("nelze otevřít"))) << missing.err.toStdString();
    EXPECT_EQ(missing.err.count(u'\n'), 1);
    EXPECT_EQ(show({"a.xls", "x", "tlak"}).exitCode, 2);
    EXPECT_EQ(show({"a.xls", "1", "push"}).exitCode, 2);
}

// A player types paths from the folder he is in: the song and the database are found there.
TEST(ShowCommand, RelativePathsAreTakenFromTheCurrentFolder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("ladění"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"),
                            dir.filePath(QStringLiteral("ladění/Vezar.xls"))));
    writeSheet(dir, "song.xls", "G-C-F", {{"B3", "c1,"}, {"I3", "Tlak"}});
    const auto run = testing_support::runMechikCli(
        {"show", "song.xls", "3", "tlak", "--db", "ladění/Vezar.xls"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Obr\t10\t105\nObr\t21\t106\nimgNota\t0\t6920\n"));
}

// Rows past a song's last grip are empty rows, to the sheet's very end; outside the sheet the
// row is no row at all.
TEST(ShowCommand, EveryRowOfTheSheetShowsRowsOutsideItAreAUsageError) {
    QTemporaryDir dir;
    const QString path = writeSheet(dir, "song.xls", "G-C-F", {{"B1", "c1,"}, {"I1", "Tlak"}});
    for (const char* row : {"2", "65535", "65536"}) {
        const auto run = show({path, row, "tah"});
        EXPECT_EQ(run.exitCode, 0) << row;
        EXPECT_EQ(run.out, QString()) << row << ": " << run.out.toStdString();
    }
    EXPECT_EQ(show({path, "0", "tah"}).exitCode, 2);
    EXPECT_EQ(show({path, "65537", "tah"}).exitCode, 2);
}

// A player's own tuning with a tone in a row of no button: the display ends with the message,
// printed like any other.
TEST(ShowCommand, AToneOfNoButtonIsOneMoreMessage) {
    QTemporaryDir dir;
    const QString database =
        writeSheet(dir, "Vezar.xls", "Moje", {{"A1", "Knoflík"}, {"B1", "h4,"}});
    const QString path = writeSheet(dir, "song.xls", "Moje", {{"B1", "h4,"}, {"I1", "Tlak"}});
    const auto run = show({path, "1", "tlak", "--db", database});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out,
              QStringLiteral("msg\tNeočekávaná chyba !\tVolejte firmu Mechík, podpora "
                             "(e-mail podpora@mechik.invalid) a sdělte číslo chyby 340\n"));
}

TEST(MechikCli, HelpAndVersion) {
    const auto help = testing_support::runMechikCli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Použití: mechik-cli dump SOUBOR.xls\n")));
    EXPECT_TRUE(help.err.isEmpty());
    const auto version = testing_support::runMechikCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("mechik-cli " MECHIK_VERSION "\n"));
    const auto wrong = testing_support::runMechikCli({"--verze"});
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.startsWith(QStringLiteral("Použití: ")));
}
