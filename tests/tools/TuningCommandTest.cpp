// `mechik-cli tuning`: a player's tunings edited from a script, with the window's checks.
#include "CliRuns.h"

#include <QProcess>

using namespace cli_test;

namespace {

const QString DeliveredList = "G-C-F\tactive\nA-D-G\nB-Es-As\nC-F-B\nF-B-Es\nC-F\nG-C\nClub C-F\n";

class TuningCommand : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(QFile::copy(Database, database)); }

    CliRun tuning(const QStringList& arguments) {
        return cli(QStringList{"tuning"} + arguments + QStringList{"--db", database});
    }
    // Refused with `exitCode` and `message` (see expectRefused), the database as it was.
    void expectRefusedAsIs(const QStringList& arguments, int exitCode, const QString& message) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const QByteArray before = readBytes(database);
        expectRefused(tuning(arguments), exitCode, message);
        EXPECT_EQ(readBytes(database), before);
    }

    QTemporaryDir folder;
    QString database = folder.filePath("Vezar.xls");
};

}  // namespace

TEST_F(TuningCommand, ListsTheTuningsInOrderWithTheCurrentOneMarked) {
    const CliRun run = tuning({"list"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, DeliveredList);
    EXPECT_EQ(run.err, QString());
    // Escaped as dump escapes text.
    EXPECT_EQ(tuning({"rename", "C-F", "Moje\tC-F"}).exitCode, 0);
    EXPECT_TRUE(tuning({"list"}).out.contains("\nMoje\\tC-F\n"));
}

TEST_F(TuningCommand, ShowsEveryButtonByItsControlNumber) {
    const CliRun run = tuning({"show", "g-c"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.out.split(u'\n');
    ASSERT_EQ(lines.size(), 37 + 12 + 1);
    const std::pair<int, const char*> expected[] = {{0, "treble\t1\t\t"},
                                                    {2, "treble\t3\tc3,\ta2,"},
                                                    {23, "treble\t24\tcis1,\tes1,"},
                                                    {36, "treble\t37\t\t"},
                                                    {37, "bass\t1\t(G)\t(D)"},
                                                    {43, "bass\t7\t(E)\t(Am)"},
                                                    {48, "bass\t12\t\t"},
                                                    {49, ""}};
    for (const auto& [line, text] : expected) {
        EXPECT_EQ(lines[line], QString::fromUtf8(text)) << line;
    }
}

TEST_F(TuningCommand, AddsSetsRenamesAndDeletes) {
    EXPECT_EQ(tuning({"add", "Moje A-D", "--transpose", "2", "--from", "G-C"}).exitCode, 0);
    EXPECT_EQ(tuning({"set", "Moje A-D", "treble", "3", "tlak", "cis3"}).exitCode, 0);
    EXPECT_EQ(tuning({"set", "Moje A-D", "bass", "12", "tah", "(Hm)"}).exitCode, 0);
    EXPECT_EQ(tuning({"set", "Moje A-D", "treble", "24", "tah", ""}).exitCode, 0);
    const QString shown = tuning({"show", "Moje A-D"}).out;
    for (const char* line : {"treble\t3\tcis3,\th2,\n", "treble\t24\tes1,\t\n",
                             "bass\t1\t(A)\t(E)\n", "bass\t12\t\t(Hm)\n"}) {
        EXPECT_TRUE(shown.contains(QString::fromUtf8(line))) << line << shown.toStdString();
    }
    EXPECT_EQ(tuning({"rename", "Moje A-D", "Heligonka po dědovi"}).exitCode, 0);
    EXPECT_EQ(tuning({"delete", "G-C-F"}).exitCode, 0);
    EXPECT_EQ(tuning({"list"}).out,
              "A-D-G\tactive\nB-Es-As\nC-F-B\nF-B-Es\nC-F\nG-C\nClub C-F\nHeligonka po dědovi\n");
}

// The messages are the tuning window's; a few show that they reach the script. Wrong arguments
// give the usage. Either way the database stays as it was.
TEST_F(TuningCommand, ARefusedChangeSaysWhyAndLeavesTheDatabase) {
    expectRefusedAsIs({"add", "Vysoké", "--from", "G-C-F", "--transpose", "8"}, 1,
                      "Ladění nelze transponovat o 8 půltónů nahoru: tón c4, u knoflíku 1 (tlak) "
                      "by vyšel mimo rozsah osnovy (c, až g4,).\n");
    expectRefusedAsIs(
        {"set", "G-C", "treble", "3", "tlak", "cis5"}, 1,
        "„cis5“ není tón: oktáva se píše číslicí 1 až 4 (nejnižší oktáva je bez číslice).\n");
    expectRefusedAsIs({"delete", "H-E-A"}, 1, "Ladění „H-E-A“ v databázi ladění není.\n");
    expectRefusedAsIs({"show", "H-E-A"}, 1, "Ladění „H-E-A“ v databázi ladění není.\n");
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
        expectRefusedAsIs(arguments, 2, "Použití: mechik-cli");
    }
    testing_support::writeBytes(database, "not a workbook");
    const CliRun unreadable = tuning({"list"});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_TRUE(unreadable.err.contains("Vezar.xls")) << unreadable.err.toStdString();
}

// Installed, every command without --db works on the player's own copy of the database, the
// one the window uses; a tuning he deleted is not brought back at the next run.
TEST(TuningCommandInstalled, WithoutDbThePlayersOwnCopyIsUsed) {
    QTemporaryDir root;
    const QDir dir(root.path());
    ASSERT_TRUE(dir.mkpath("usr/bin") && dir.mkpath("usr/share/mechik"));
    ASSERT_TRUE(QFile::copy(MECHIK_BIN_DIR "/mechik-cli", dir.filePath("usr/bin/mechik-cli")));
    const QString shipped = dir.filePath("usr/share/mechik/Vezar.xls");
    ASSERT_TRUE(QFile::copy(Database, shipped));
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
    EXPECT_EQ(run({"list"}), DeliveredList);
    ASSERT_TRUE(QFileInfo::exists(dir.filePath("data/Mechik/Vezar.xls")));
    run({"delete", "G-C"});
    EXPECT_EQ(run({"list"}), QString(DeliveredList).remove("G-C\n"));
    EXPECT_EQ(readBytes(shipped), readBytes(Database));
}
