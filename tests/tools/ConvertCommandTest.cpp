// `mechik-cli convert`: a folder of songs converted from a script, with the window's own code.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

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
    EXPECT_TRUE(
        run.err.startsWith(QStringLiteral("x9, nenalezeno. Sloupce B až H edituje Mechík.")))
        << run.err.toStdString();
    EXPECT_TRUE(
        dumpOf(dir.filePath("Chyba A-D-G.xls"))
            .startsWith(QStringLiteral("sheet\tA-D-G Nedokončeno\tactive\ncursor\t$B$1\n")));

    const QString foreign = writeSong(dir.filePath("Cizí.xls"), "Nákupy", "c1,");
    const testing_support::CliRun refused = convert(QStringList{foreign, "A-D-G"} + common);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(
        refused.err.startsWith(QStringLiteral("Nákupy nenalezeno v seznamu podporovaných ladění.")))
        << refused.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Cizí A-D-G.xls")));

    const QString song = writeSong(dir.filePath("Polka.xls"), "G-C-F", "c1,");
    const testing_support::CliRun unknown = convert(QStringList{song, "H-E-A"} + common);
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.err.startsWith(QStringLiteral("Ladění H-E-A není mezi cílovými laděními")));
}

// Every path is taken from the folder the player types in; a relative database is not looked
// for in the output folder.
TEST(ConvertCommand, RelativePathsAreTakenFromTheCurrentFolder) {
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("ladění"));
    QDir(dir.path()).mkpath(QStringLiteral("výstup"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"),
                            dir.filePath(QStringLiteral("ladění/Vezar.xls"))));
    writeSong(dir.filePath("Polka.xls"), "G-C-F", "c1,");
    const auto run = testing_support::runMechikCli(
        {"convert", "Polka.xls", "C-F-B", "--db", "ladění/Vezar.xls", "--out", "výstup"},
        dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString copy = dir.filePath(QStringLiteral("výstup/Polka C-F-B.xls"));
    EXPECT_EQ(run.out, QDir::toNativeSeparators(copy) + u'\n');
    EXPECT_TRUE(dumpOf(copy).contains(QStringLiteral("B1\tf1,\n")));
}

TEST(ConvertCommand, TheTuningDatabaseIsNoSongAndStaysAsItWas) {
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("Vezar.xls"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_BIN_DIR "/Vezar.xls"), database));
    QFile::setPermissions(database, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray before = testing_support::readBytes(database);
    const auto run = convert({database, "C-F-B", "--db", database, "--out", dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, QStringLiteral("Soubor %1 je databáze ladění, ne písnička.\n")
                           .arg(QDir::toNativeSeparators(database)));
    EXPECT_EQ(testing_support::readBytes(database), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Vezar.xls"});
}

#ifndef _WIN32
namespace {

void lockAsARunningMechik(const QString& path) {
    const QFileInfo file(path);
    testing_support::writeBytes(
        file.dir().filePath(u'.' + file.fileName() + QStringLiteral(".lock")),
        (QSysInfo::machineHostName() + u'\n' + QString::number(getpid()) + u'\n').toUtf8());
}

QString openElsewhereMessage(const QString& path) {
    return QStringLiteral("Píseň %1 má právě otevřenou jiný spuštěný Mechík")
        .arg(QDir::toNativeSeparators(path));
}

}  // namespace

TEST(ConvertCommand, ASongOpenInARunningMechikIsRefused) {
    QTemporaryDir dir;
    const QString song = writeSong(dir.filePath("Polka.xls"), "G-C-F", "c1,");
    lockAsARunningMechik(song);
    const auto run =
        convert({song, "C-F-B", "--db", MECHIK_BIN_DIR "/Vezar.xls", "--out", dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.startsWith(openElsewhereMessage(song))) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("Polka C-F-B.xls")));
}

// A copy another Mechík has open is neither replaced, even when forced, nor reported as merely
// existing: the player learns where it is open.
TEST(ConvertCommand, ACopyOpenInARunningMechikIsNeitherReplacedNorCalledExisting) {
    QTemporaryDir dir;
    const QString song = writeSong(dir.filePath("Polka.xls"), "G-C-F", "c1,");
    const QString copy = writeSong(dir.filePath("Polka C-F-B.xls"), "C-F-B", "f1,");
    const QByteArray before = testing_support::readBytes(copy);
    lockAsARunningMechik(copy);
    const QStringList common{"--db", MECHIK_BIN_DIR "/Vezar.xls", "--out", dir.path()};
    for (const QStringList& force : {QStringList{}, QStringList{"--force"}}) {
        const auto run = convert(QStringList{song, "C-F-B"} + force + common);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(run.err.startsWith(openElsewhereMessage(copy))) << run.err.toStdString();
        EXPECT_EQ(testing_support::readBytes(copy), before);
    }
}
#endif

// A song holding a drawing is converted: the source is only read, so it stays byte for byte and
// no working copy appears beside it; the note says the converted copy lacks the drawing. Tones
// the target tuning lacks are named the same way, on the error output beside the result.
TEST(ConvertCommand, ASongWithADrawingIsConvertedAndTheNotesSayWhatTheCopyLacks) {
    QTemporaryDir dir;
    const QString song = dir.filePath(QStringLiteral("Kresba.xls"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-drawing.xls"), song));
    QFile::setPermissions(song, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray before = testing_support::readBytes(song);
    const QStringList common{"--db", MECHIK_BIN_DIR "/Vezar.xls", "--out", dir.path()};
    const auto run = convert(QStringList{song, "C-F-B"} + common);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString copy = dir.filePath("Kresba C-F-B.xls");
    EXPECT_EQ(run.out, QDir::toNativeSeparators(copy) + u'\n');
    EXPECT_EQ(run.err, QStringLiteral("Sešit Kresba.xls obsahuje obrázky nebo kresby a komentáře k "
                                      "buňkám, které Mechík neumí uložit; převedená kopie je "
                                      "nemá. Původní soubor zůstal beze změny.\n"));
    EXPECT_TRUE(dumpOf(copy).contains(QStringLiteral("B1\tf1,\n")));
    EXPECT_EQ(testing_support::readBytes(song), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files),
              (QStringList{"Kresba C-F-B.xls", "Kresba.xls"}));

    const QString twoRows = writeSong(dir.filePath("Polka.xls"), "G-C-F", "c4,");
    const auto lost = convert(QStringList{twoRows, "C-F"} + common);
    EXPECT_EQ(lost.exitCode, 0) << lost.err.toStdString();
    EXPECT_EQ(lost.err,
              QStringLiteral("Konverze do ladění C-F dokončena. Některé knoflíky nedávají "
                             "v ladění C-F žádný tón, a jejich tóny proto v těchto "
                             "hmatech chybí: hmat 1: knoflík 12 ve vnitřní řadě\n"));
    EXPECT_TRUE(
        dumpOf(dir.filePath("Polka C-F.xls")).contains(QStringLiteral("B1\te1,\nI1\tTlak\n")));
}
