// `mechik-cli convert`: a folder of songs converted from a script, with the window's own code.
#include "CliRuns.h"

#include <QSysInfo>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace cli_test;

namespace {

// Two grips: `firstTone` e1 pushed over the bass C, d1 pulled.
QString writeSong(const QString& path, const QString& tuning, const QString& firstTone) {
    return writeSheet(path, tuning,
                      {"B1=" + firstTone, "C1=e1,", "I1=Tlak", "M1=C", "B2=d1,", "I2=Tah"});
}

struct ConvertFolder {
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    // The song converted into the folder with the delivered database.
    CliRun convert(const QString& song, const char* target, const QStringList& more = {}) const {
        return cli(QStringList{"convert", song, target, "--db", Database, "--out", dir.path()} +
                   more);
    }
};

}  // namespace

TEST(ConvertCommand, ConvertsIntoTheOutFolderAndReplacesOnlyWhenForced) {
    const ConvertFolder folder;
    const QString song = writeSong(folder.path("Polka.xls"), "G-C-F", "c1,");
    const CliRun first = folder.convert(song, "C-F-B");
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QString copy = folder.path("Polka C-F-B.xls");
    EXPECT_EQ(first.out, native(copy) + u'\n');
    EXPECT_EQ(dumpOf(copy), QStringLiteral("sheet\tC-F-B\tactive\ncursor\t$B$3\n"
                                           "B1\tf1,\nC1\ta1,\nI1\tTlak\nM1\tF\n"
                                           "B2\tg1,\nI2\tTah\n"));

    expectRefused(folder.convert(song, "C-F-B"), 1,
                  QStringLiteral("Soubor %1 již existuje. Přepsat ho lze volbou --force.\n")
                      .arg(native(copy)));
    const CliRun forced = folder.convert(song, "C-F-B", {"--force"});
    EXPECT_EQ(forced.exitCode, 0) << forced.err.toStdString();
}

TEST(ConvertCommand, FailuresGiveTheWindowsMessagesAndLeaveTheUnfinishedCopy) {
    const ConvertFolder folder;
    const QString broken = writeSong(folder.path("Chyba.xls"), "G-C-F", "x9,");
    expectRefused(folder.convert(broken, "A-D-G"), 1,
                  QStringLiteral("x9, nenalezeno. Sloupce B až H edituje Mechík."));
    EXPECT_TRUE(
        dumpOf(folder.path("Chyba A-D-G.xls"))
            .startsWith(QStringLiteral("sheet\tA-D-G Nedokončeno\tactive\ncursor\t$B$1\n")));

    const QString foreign = writeSong(folder.path("Cizí.xls"), "Nákupy", "c1,");
    expectRefused(folder.convert(foreign, "A-D-G"), 1,
                  QStringLiteral("Nákupy nenalezeno v seznamu podporovaných ladění."));
    EXPECT_FALSE(QFileInfo::exists(folder.path("Cizí A-D-G.xls")));

    const QString song = writeSong(folder.path("Polka.xls"), "G-C-F", "c1,");
    expectRefused(folder.convert(song, "H-E-A"), 1,
                  QStringLiteral("Ladění H-E-A není mezi cílovými laděními"));

    // The tuning database is no song and stays as it was.
    const QString database = folder.path("Vezar.xls");
    ASSERT_TRUE(QFile::copy(Database, database));
    QFile::setPermissions(database, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray before = readBytes(database);
    expectRefused(
        cli({"convert", database, "C-F-B", "--db", database, "--out", folder.dir.path()}), 1,
        QStringLiteral("Soubor %1 je databáze ladění, ne písnička.\n").arg(native(database)));
    EXPECT_EQ(readBytes(database), before);
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files),
              (QStringList{"Chyba A-D-G.xls", "Chyba.xls", "Cizí.xls", "Polka.xls", "Vezar.xls"}));
}

// Every path is taken from the folder the player types in; a relative database is not looked
// for in the output folder.
TEST(ConvertCommand, RelativePathsAreTakenFromTheCurrentFolder) {
    const ConvertFolder folder;
    QDir(folder.dir.path()).mkpath(QStringLiteral("ladění"));
    QDir(folder.dir.path()).mkpath(QStringLiteral("výstup"));
    ASSERT_TRUE(QFile::copy(Database, folder.path("ladění/Vezar.xls")));
    writeSong(folder.path("Polka.xls"), "G-C-F", "c1,");
    const CliRun run =
        cli({"convert", "Polka.xls", "C-F-B", "--db", "ladění/Vezar.xls", "--out", "výstup"},
            folder.dir.path());
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString copy = folder.path("výstup/Polka C-F-B.xls");
    EXPECT_EQ(run.out, native(copy) + u'\n');
    EXPECT_TRUE(dumpOf(copy).contains(QStringLiteral("B1\tf1,\n")));
}

#ifndef _WIN32
// Neither a song nor a copy another Mechík has open is touched, even when forced; the copy is
// not reported as merely existing: the player learns where it is open.
TEST(ConvertCommand, ASongOrACopyOpenInARunningMechikIsRefused) {
    const ConvertFolder folder;
    const auto lockAsARunningMechik = [](const QString& path) {
        const QFileInfo file(path);
        testing_support::writeBytes(
            file.dir().filePath(u'.' + file.fileName() + QStringLiteral(".lock")),
            (QSysInfo::machineHostName() + u'\n' + QString::number(getpid()) + u'\n').toUtf8());
    };
    const auto openElsewhere = [](const QString& path) {
        return QStringLiteral("Píseň %1 má právě otevřenou jiný spuštěný Mechík").arg(native(path));
    };
    const QString song = writeSong(folder.path("Polka.xls"), "G-C-F", "c1,");
    const QString locked = writeSong(folder.path("Zamčená.xls"), "G-C-F", "c1,");
    lockAsARunningMechik(locked);
    expectRefused(folder.convert(locked, "C-F-B"), 1, openElsewhere(locked));
    EXPECT_FALSE(QFileInfo::exists(folder.path("Zamčená C-F-B.xls")));

    const QString copy = writeSong(folder.path("Polka C-F-B.xls"), "C-F-B", "f1,");
    const QByteArray before = readBytes(copy);
    lockAsARunningMechik(copy);
    for (const QStringList& force : {QStringList{}, QStringList{"--force"}}) {
        expectRefused(folder.convert(song, "C-F-B", force), 1, openElsewhere(copy));
        EXPECT_EQ(readBytes(copy), before);
    }
}
#endif

// A song holding a drawing is converted: the source is only read, so it stays byte for byte and
// no working copy appears beside it; the note says the converted copy lacks the drawing. Tones
// the target tuning lacks are named the same way, on the error output beside the result.
TEST(ConvertCommand, ASongWithADrawingIsConvertedAndTheNotesSayWhatTheCopyLacks) {
    const ConvertFolder folder;
    const QString song = folder.path("Kresba.xls");
    ASSERT_TRUE(QFile::copy(QStringLiteral(MECHIK_TEST_DATA "/lo-drawing.xls"), song));
    QFile::setPermissions(song, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray before = readBytes(song);
    const CliRun run = folder.convert(song, "C-F-B");
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString copy = folder.path("Kresba C-F-B.xls");
    EXPECT_EQ(run.out, native(copy) + u'\n');
    EXPECT_EQ(run.err, QStringLiteral("Sešit Kresba.xls obsahuje obrázky nebo kresby a komentáře k "
                                      "buňkám, které Mechík neumí uložit; převedená kopie je "
                                      "nemá. Původní soubor zůstal beze změny.\n"));
    EXPECT_TRUE(dumpOf(copy).contains(QStringLiteral("B1\tf1,\n")));
    EXPECT_EQ(readBytes(song), before);
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files),
              (QStringList{"Kresba C-F-B.xls", "Kresba.xls"}));

    const QString twoRows = writeSong(folder.path("Polka.xls"), "G-C-F", "c4,");
    const CliRun lost = folder.convert(twoRows, "C-F");
    EXPECT_EQ(lost.exitCode, 0) << lost.err.toStdString();
    EXPECT_EQ(lost.err,
              QStringLiteral("Konverze do ladění C-F dokončena. Některé knoflíky nedávají "
                             "v ladění C-F žádný tón, a jejich tóny proto v těchto "
                             "hmatech chybí: hmat 1: knoflík 12 ve vnitřní řadě\n"));
    EXPECT_TRUE(
        dumpOf(folder.path("Polka C-F.xls")).contains(QStringLiteral("B1\te1,\nI1\tTlak\n")));
}
