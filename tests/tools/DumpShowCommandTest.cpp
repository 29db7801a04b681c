// `mechik-cli dump` and `show` as players' scripts call them: the output, its escaping and the
// exit codes; and the usage every command gives for arguments it cannot take.
#include "CliRuns.h"

using namespace cli_test;
using spreadsheet::CellRect;
using spreadsheet::CellValue;

TEST(DumpCommand, PrintsSheetsCursorsAndCellsInOrder) {
    auto first = testing_support::sheetWith(
        QStringLiteral("Píseň"), {{"B7", CellValue(QStringLiteral("cis1,"))},
                                  {"A1", CellValue(QStringLiteral("Ško\\da\tže\nmi\rx"))},
                                  {"C1", CellValue::number(10)},
                                  {"B1", CellValue::number(0.25)},
                                  {"A2", CellValue::boolean(true)},
                                  {"D2", CellValue::number(1e20)}});
    first->setSelection(CellRect::single({7, 2}), {7, 2});
    auto second = testing_support::sheetWith(QStringLiteral("Prázdný"), {});
    second->setSelection(CellRect::single({3, 4}), {3, 4});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Píseň.xls"));
    spreadsheet::xls::writeXlsFile(path, {first.get(), second.get()}, 1);

    const CliRun run = cli({"dump", path});
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

// Not a workbook, a damaged container (libgsf's own complaints must not reach the console),
// no file at all: exit status 1 and one line.
TEST(DumpCommand, AFileItCannotReadIsExitStatus1WithOneLine) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("text.xls"));
    testing_support::writeBytes(text, "not a workbook");
    const QString damaged = dir.filePath(QStringLiteral("damaged.xls"));
    testing_support::writeBytes(damaged, readBytes(Database).left(2600));
    for (const QString& path : {text, damaged, dir.filePath(QStringLiteral("nic.xls"))}) {
        SCOPED_TRACE(path.toStdString());
        const CliRun run = cli({"dump", path});
        expectRefused(run, 1, QStringLiteral("Soubor %1 nelze otevřít").arg(native(path)));
        EXPECT_EQ(run.err.count(u'\n'), 1);
    }
}

TEST(ShowCommand, PrintsTheLitButtonsTheStaffAndTheMessages) {
    QTemporaryDir dir;
    const QString path =
        writeSheet(dir.filePath(QStringLiteral("Píseň.xls")), "G-C-F",
                   {"B1=c1,", "C1=cis1,", "D1=d4,", "I1=Tlak", "M1=C", "B2=cis1,", "I2=Tah"});
    const QByteArray before = readBytes(path);

    const CliRun push = cli({"show", path, "1", "tlak", "--db", Database});
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
    const CliRun pull = cli({"show", path, "2", "tah"});
    EXPECT_EQ(pull.exitCode, 0);
    EXPECT_TRUE(pull.out.startsWith(QStringLiteral("msg\tNeexistující tón.\t")))
        << pull.out.toStdString();
    // The song is only read.
    EXPECT_EQ(readBytes(path), before);
}

// Rows past a song's last grip are empty rows, to the sheet's very end.
TEST(ShowCommand, EveryRowOfTheSheetShowsAnUnreadableSongIsExitStatus1) {
    QTemporaryDir dir;
    const QString path = writeSheet(dir.filePath("song.xls"), "G-C-F", {"B1=c1,", "I1=Tlak"});
    for (const char* row : {"2", "65535", "65536"}) {
        const CliRun run = cli({"show", path, row, "tah"});
        EXPECT_EQ(run.exitCode, 0) << row;
        EXPECT_EQ(run.out, QString()) << row << ": " << run.out.toStdString();
    }
    const QString missing = dir.filePath(QStringLiteral("nic.xls"));
    const CliRun run = cli({"show", missing, "1", "tlak"});
    expectRefused(run, 1, QStringLiteral("Soubor %1 nelze otevřít").arg(native(missing)));
    EXPECT_EQ(run.err.count(u'\n'), 1);
}

// A player types paths from the folder he is in: the song and the database are found there.
// His own tuning has a tone in a row of no button: the display ends with the message, printed
// like any other.
TEST(ShowCommand, RelativePathsAndAToneOfNoButton) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(QStringLiteral("ladění"));
    ASSERT_TRUE(QFile::copy(Database, dir.filePath(QStringLiteral("ladění/Vezar.xls"))));
    writeSheet(dir.filePath("song.xls"), "G-C-F", {"B3=c1,", "I3=Tlak"});
    const CliRun run =
        cli({"show", "song.xls", "3", "tlak", "--db", "ladění/Vezar.xls"}, dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("Obr\t10\t105\nObr\t21\t106\nimgNota\t0\t6920\n"));

    writeSheet(dir.filePath("Moje.xls"), "Moje", {"A1=Knoflík", "B1=h4,"});
    writeSheet(dir.filePath("moje píseň.xls"), "Moje", {"B1=h4,", "I1=Tlak"});
    const CliRun noButton =
        cli({"show", "moje píseň.xls", "1", "tlak", "--db", "Moje.xls"}, dir.path());
    EXPECT_EQ(noButton.exitCode, 0) << noButton.err.toStdString();
    EXPECT_EQ(noButton.out,
              QStringLiteral("msg\tNeočekávaná chyba !\tVolejte firmu Mechík, podpora "
                             "(e-mail podpora@mechik.invalid) a sdělte číslo chyby 340\n"));
}

TEST(MechikCli, HelpAndVersion) {
    const CliRun help = cli({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith(QStringLiteral("Použití: mechik-cli dump SOUBOR.xls\n")));
    EXPECT_TRUE(help.err.isEmpty());
    const CliRun version = cli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QStringLiteral("mechik-cli " MECHIK_VERSION "\n"));
}

// Exit status 2, the usage on the error output, the command's own line in it.
TEST(MechikCli, WrongArgumentsShowTheUsage) {
    const QString pdf = QStringLiteral("mechik-cli pdf PÍSEŇ.xls VÝSTUP.pdf");
    const QString import = QStringLiteral(
        "mechik-cli import MELODIE LADĚNÍ PÍSEŇ.xls [--db SOUBOR] [--transpose N] [--force]");
    const std::pair<QStringList, QString> cases[] = {
        {{}, {}},
        {{"--verze"}, {}},
        {{"dump"}, {}},
        {{"vypis", "a.xls"}, {}},
        {{"show", "a.xls", "x", "tlak"}, {}},
        {{"show", "a.xls", "1", "push"}, {}},
        {{"show", "a.xls", "0", "tah"}, {}},  // rows outside the sheet are no rows at all
        {{"show", "a.xls", "65537", "tah"}, {}},
        {{"midi", "a.xls"}, {}},
        {{"wav", "a.xls", "a.wav", "--tempo"}, {}},
        {{"pdf", "a.xls"}, pdf},
        {{"pdf", "a.xls", "b.pdf", "--numbering", "x"}, pdf},
        {{"pdf", "a.xls", "b.pdf", "--db"}, pdf},
        {{"pdf", "a.xls", "b.pdf", "--out", "c"}, pdf},
        {{"import", "a.mid", "C-F-B"}, import},
        {{"import", "a.mid", "C-F-B", "b.xls", "--transpose", "x"}, import},
        {{"import", "a.mid", "C-F-B", "b.xls", "--transpose", "500"}, import},
        {{"import", "a.mid", "C-F-B", "b.xls", "--db"}, import},
        {{"import", "a.mid", "C-F-B", "b.xls", "--jinak"}, import}};
    for (const auto& [arguments, line] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const CliRun run = cli(arguments);
        expectRefused(run, 2, QStringLiteral("Použití: "));
        EXPECT_TRUE(run.err.contains(line));
    }
}
