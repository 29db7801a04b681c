// `mechik-cli tuning`: a player's tunings edited from a script, with the window's checks.
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class TuningCommand : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::copy(MECHIK_BIN_DIR "/Vezar.xls", database)); }

    testing_support::CliRun tuning(const QStringList& arguments) {
        return testing_support::runMechikCli(QStringList{"tuning"} + arguments +
                                             QStringList{"--db", database});
    }
    // Refused with exit 1 and `message`, the database as it was.
    void expectRefused(const QStringList& arguments, const QString& message) {
        const QByteArray before = testing_support::readBytes(database);
        const testing_support::CliRun run = tuning(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, message + u'\n');
        EXPECT_EQ(run.out, QString());
        EXPECT_EQ(testing_support::readBytes(database), before);
    }

    QTemporaryDir folder;
    QString database = folder.filePath("Vezar.xls");
};

}  // namespace

TEST_F(TuningCommand, ListsTheTuningsInOrderWithTheCurrentOneMarked) {
    const testing_support::CliRun run = tuning({"list"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "G-C-F\tactive\nA-D-G\nB-Es-As\nC-F-B\nF-B-Es\nC-F\nG-C\nClub C-F\n");
    EXPECT_EQ(run.err, QString());
    // Escaped as dump escapes text.
    EXPECT_EQ(tuning({"rename", "C-F", "Moje\tC-F"}).exitCode, 0);
    EXPECT_TRUE(tuning({"list"}).out.contains("\nMoje\\tC-F\n"));
}

TEST_F(TuningCommand, ShowsEveryButtonByItsControlNumber) {
    const testing_support::CliRun run = tuning({"show", "g-c"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    ASSERT_EQ(lines.size(), 37 + 12 + 1);
    EXPECT_EQ(lines[0], "treble\t1\t\t");
    EXPECT_EQ(lines[2], "treble\t3\tc3,\ta2,");
    EXPECT_EQ(lines[23], "treble\t24\tcis1,\tes1,");
    EXPECT_EQ(lines[36], "treble\t37\t\t");
    EXPECT_EQ(lines[37], "bass\t1\t(G)\t(D)");
    EXPECT_EQ(lines[43], "bass\t7\t(E)\t(Am)");
    EXPECT_EQ(lines[48], "bass\t12\t\t");
    EXPECT_EQ(lines[49], QString());
}

TEST_F(TuningCommand, AddsSetsRenamesAndDeletes) {
    EXPECT_EQ(tuning({"add", "Moje A-D", "--transpose", "2", "--from", "G-C"}).exitCode, 0);
    EXPECT_EQ(tuning({"set", "Moje A-D", "treble", "3", "tlak", "cis3"}).exitCode, 0);
    EXPECT_EQ(tuning({"set", "Moje A-D", "bass", "12", "tah", "(Hm)"}).exitCode, 0);
    EXPECT_EQ(tuning({"set", "Moje A-D", "treble", "24", "tah", ""}).exitCode, 0);
    const QString shown = tuning({"show", "Moje A-D"}).out;
    EXPECT_TRUE(shown.contains("treble\t3\tcis3,\th2,\n")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("treble\t24\tes1,\t\n")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("bass\t1\t(A)\t(E)\n")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("bass\t12\t\t(Hm)\n")) << shown.toStdString();

    EXPECT_EQ(tuning({"rename", "Moje A-D", "Heligonka po dědovi"}).exitCode, 0);
    EXPECT_EQ(tuning({"delete", "G-C-F"}).exitCode, 0);
    EXPECT_EQ(tuning({"list"}).out,
              "A-D-G\tactive\nB-Es-As\nC-F-B\nF-B-Es\nC-F\nG-C\nClub C-F\nHeligonka po dědovi\n");
}

// The messages are the tuning window's; a few show that they reach the script.
TEST_F(TuningCommand, ARefusedChangeSaysWhyAndLeavesTheDatabase) {
    expectRefused({"add", "Vysoké", "--from", "G-C-F", "--transpose", "8"},
                  "Ladění nelze transponovat o 8 půltónů nahoru: tón c4, u knoflíku 1 (tlak) by "
                  "vyšel mimo rozsah osnovy (c, až g4,).");
    expectRefused(
        {"set", "G-C", "treble", "3", "tlak", "cis5"},
        "„cis5“ není tón: oktáva se píše číslicí 1 až 4 (nejnižší oktáva je bez číslice).");
    expectRefused({"delete", "H-E-A"}, "Ladění „H-E-A“ v databázi ladění není.");
    expectRefused({"show", "H-E-A"}, "Ladění „H-E-A“ v databázi ladění není.");
    testing_support::writeBytes(database, "not a workbook");
    const testing_support::CliRun unreadable = tuning({"list"});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.err.contains("Vezar.xls")) << unreadable.err.toStdString();
}

TEST_F(TuningCommand, WrongArgumentsGiveTheUsage) {
    const QByteArray before = testing_support::readBytes(database);
    for (const QStringList& arguments : {QStringList{},
                                         {"play"},
                                         {"list", "more"},
                                         {"add", "X", "--from"},
                                         {"add", "X", "--transpose", "2"},
                                         {"add", "X", "--from", "G-C", "--transpose", "dva"},
                                         {"set", "G-C", "treble", "3", "tlak"},
                                         {"set", "G-C", "left", "3", "tlak", "c1"},
                                         {"set", "G-C", "treble", "tři", "tlak", "c1"},
                                         {"set", "G-C", "treble", "3", "push", "c1"},
                                         {"rename", "G-C"},
                                         {"list", "--db"}}) {
        const testing_support::CliRun run = tuning(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.startsWith("Použití: mechik-cli")) << run.err.toStdString();
    }
    EXPECT_EQ(testing_support::readBytes(database), before);
}

// Installed, every command without --db works on the player's own copy of the database, the
// one the window uses; a tuning he deleted is not brought back at the next run.
TEST(TuningCommandInstalled, WithoutDbThePlayersOwnCopyIsUsed) {
    QTemporaryDir root;
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("usr/bin") && dir.mkpath("usr/share/mechik"));
    ASSERT_TRUE(QFile::copy(MECHIK_BIN_DIR "/mechik-cli", dir.filePath("usr/bin/mechik-cli")));
    const QString shipped = dir.filePath("usr/share/mechik/Vezar.xls");
    ASSERT_TRUE(QFile::copy(MECHIK_BIN_DIR "/Vezar.xls", shipped));
    const auto run = [&](const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", root.path());
        environment.insert("XDG_DATA_HOME", dir.filePath("data"));
        environment.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        process.setProcessEnvironment(environment);
        process.start(dir.filePath("usr/bin/mechik-cli"), QStringList{"tuning"} + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    const QString all = "G-C-F\tactive\nA-D-G\nB-Es-As\nC-F-B\nF-B-Es\nC-F\nG-C\nClub C-F\n";
    EXPECT_EQ(run({"list"}), all);
    const QString copy = dir.filePath("data/Mechik/Vezar.xls");
    ASSERT_TRUE(QFileInfo::exists(copy));

    run({"delete", "G-C"});
    EXPECT_EQ(run({"list"}), QString(all).remove("G-C\n"));
    EXPECT_EQ(testing_support::readBytes(shipped),
              testing_support::readBytes(MECHIK_BIN_DIR "/Vezar.xls"));
}
