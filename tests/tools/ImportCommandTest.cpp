// `mechik-cli import`: a melody file made into a song from a script; every refusal exits 1 with
// the reason and writes nothing.
#include "support/MelodyFiles.h"
#include "support/TestFiles.h"

#include "spreadsheet/xls/XlsFile.h"
#include "tools/cli/WorkbookDump.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using testing_support::CliRun;

namespace {

const QString Database = testing_support::DeliveredDatabase;

CliRun import(const QStringList& arguments) {
    return testing_support::runMechikCli(QStringList{"import"} + arguments +
                                         QStringList{"--db", Database});
}

QString dumpOf(const QString& path) {
    return tools::dumpWorkbook(spreadsheet::xls::readXlsFile(path));
}

struct Folder {
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& bytes) const {
        const QString path = dir.filePath(name);
        testing_support::writeBytes(path, bytes);
        return path;
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace

TEST(ImportCommand, AMidiTuneBecomesASongWithItsReversalsCounted) {
    // In C-F-B fis1 is pushed only and cis2 pulled only.
    const Folder folder;
    const QString tune = folder.write("tune.mid", testing_support::midiTune({{66}, {73}, {66}}));
    const QString song = folder.path("Polka.xls");
    const CliRun run = import({tune, "C-F-B", song});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("imported\t3\t2\t0\n"));
    EXPECT_EQ(run.err, QString());
    EXPECT_EQ(dumpOf(song),
              QStringLiteral("sheet\tC-F-B\tactive\ncursor\t$B$1\n"
                             "B1\tfis1,\nI1\tTlak\nB2\tcis2,\nI2\tTah\nB3\tfis1,\nI3\tTlak\n"));
}

TEST(ImportCommand, AScoreGivesChordsSyllablesAndAShiftWhenNeeded) {
    const Folder folder;
    const QString score = folder.write(
        "píseň.musicxml",
        testing_support::musicXml(
            "<measure number=\"1\"><note><pitch><step>C</step><octave>4</octave></pitch>"
            "<duration>1</duration><lyric><text>Já</text></lyric></note><note><chord/><pitch>"
            "<step>E</step><octave>4</octave></pitch><duration>1</duration></note></measure>"));
    const QString song = folder.path("Já.xls");
    const CliRun run = import({score, "c-f-b", song});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("imported\t1\t0\t0\n"));
    EXPECT_EQ(
        dumpOf(song),
        QStringLiteral("sheet\tC-F-B\tactive\ncursor\t$B$1\nA1\tJá\nB1\tc1,\nC1\te1,\nI1\tTlak\n"));

    const QString low = folder.write("nízko.mid", testing_support::midiTune({{54}}));
    const CliRun shifted = import({low, "C-F-B", song, "--force"});
    EXPECT_EQ(shifted.out, QStringLiteral("imported\t1\t0\t12\n"));
    EXPECT_EQ(dumpOf(song),
              QStringLiteral("sheet\tC-F-B\tactive\ncursor\t$B$1\nB1\tfis1,\nI1\tTlak\n"));

    const QString mxl = folder.write(
        "píseň.mxl",
        testing_support::zipArchive(
            {{"META-INF/container.xml",
              "<container><rootfiles><rootfile full-path=\"a.xml\"/></rootfiles></container>"},
             {"a.xml", testing_support::readBytes(score)}}));
    const CliRun compressed =
        import({mxl, "C-F-B", folder.path("Z archivu.xls"), "--transpose", "0"});
    EXPECT_EQ(compressed.out, QStringLiteral("imported\t1\t0\t0\n"));
}

TEST(ImportCommand, AnExistingSongIsReplacedOnlyWhenForced) {
    const Folder folder;
    const QString tune = folder.write("tune.mid", testing_support::midiTune({{66}}));
    const QString song = folder.write("Stará.xls", "stará píseň");
    const CliRun refused = import({tune, "C-F-B", song});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err,
              QStringLiteral("Soubor %1 již existuje. Přepsat ho lze volbou --force.\n")
                  .arg(QDir::toNativeSeparators(song)));
    EXPECT_EQ(testing_support::readBytes(song), QByteArray("stará píseň"));
    EXPECT_EQ(import({tune, "C-F-B", song, "--force"}).exitCode, 0);
    EXPECT_TRUE(dumpOf(song).startsWith(QStringLiteral("sheet\tC-F-B")));

    const CliRun database = import({tune, "C-F-B", Database, "--force"});
    EXPECT_EQ(database.exitCode, 1);
    EXPECT_EQ(database.err, QStringLiteral("Databázi ladění %1 nelze přepsat písní.\n")
                                .arg(QDir::toNativeSeparators(Database)));
}

TEST(ImportCommand, EveryRefusalExitsOneWithTheReasonAndWritesNothing) {
    const Folder folder;
    const QString song = folder.path("Nová.xls");
    const QString tune = folder.write("tune.mid", testing_support::midiTune({{66}, {73}}));
    const QString missing = folder.path("není.mid");
    const QString text = folder.write("text.txt", "do re mi");
    const QString chord =
        folder.write("akord.mid", testing_support::midiTune({{60, 62, 64, 65, 67, 69}}));
    const QString outside = folder.write("mimo.mid", testing_support::midiTune({{66}, {30}}));
    const QString truncated =
        folder.write("půl.mid", testing_support::midiTune({{66}, {73}}).chopped(5));
    const std::pair<QStringList, QString> cases[] = {
        {{missing, "C-F-B", song},
         QStringLiteral("Soubor %1 nelze otevřít.").arg(QDir::toNativeSeparators(missing))},
        {{text, "C-F-B", song},
         QStringLiteral("Soubor %1 není MIDI ani MusicXML (.mid, .musicxml, .xml, .mxl).")
             .arg(QDir::toNativeSeparators(text))},
        {{truncated, "C-F-B", song},
         QStringLiteral("Soubor MIDI %1 je poškozený: stopa 1 je zkrácená.")
             .arg(QDir::toNativeSeparators(truncated))},
        {{tune, "H-E-A", song},
         QStringLiteral("Ladění H-E-A v databázi ladění %1 není (jsou v ní: G-C-F, A-D-G, B-Es-As, "
                        "C-F-B, F-B-Es, "
                        "C-F, G-C, Club C-F).")
             .arg(QDir::toNativeSeparators(Database))},
        {{chord, "C-F-B", song},
         QStringLiteral("Akord na místě takt 1, doba 1 (MIDI čas 0) má 6 různých tónů; pravá ruka "
                        "jich zahraje nejvýše pět.")},
        {{outside, "C-F-B", song},
         QStringLiteral("Melodii nelze v ladění C-F-B zahrát, ani když se posune o oktávu či dvě "
                        "nahoru nebo dolů. "
                        "Žádný knoflík nedává: takt 1, doba 2 (MIDI čas 480): tón MIDI 30 mimo "
                        "rozsah c, až g4,.")},
        {{tune, "C-F-B", song, "--transpose", "-5"},
         QStringLiteral("Melodii posunutou o 5 půltónů dolů nelze v ladění C-F-B zahrát. Žádný "
                        "knoflík nedává: "
                        "takt 1, doba 1 (MIDI čas 0): cis1,.")},
        {{tune, "C-F-B", folder.path("Nová.ods")},
         QStringLiteral("Píseň se ukládá jako sešit .xls; zadejte soubor s příponou .xls.")},
    };
    for (const auto& [arguments, message] : cases) {
        const CliRun run = import(arguments);
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err, message + u'\n');
        EXPECT_EQ(run.out, QString());
        EXPECT_FALSE(QFileInfo::exists(song));
    }
    const CliRun noDatabase =
        testing_support::runMechikCli({"import", tune, "C-F-B", song, "--db", missing});
    EXPECT_EQ(noDatabase.exitCode, 1);
    EXPECT_TRUE(noDatabase.err.startsWith(
        QStringLiteral("Soubor %1 nelze otevřít").arg(QDir::toNativeSeparators(missing))));
    EXPECT_FALSE(QFileInfo::exists(song));
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files).size(), 5);  // the inputs only
}

TEST(ImportCommand, WrongArgumentsShowTheUsage) {
    for (const QStringList& arguments :
         {QStringList{"import", "a.mid", "C-F-B"},
          QStringList{"import", "a.mid", "C-F-B", "b.xls", "--transpose", "x"},
          QStringList{"import", "a.mid", "C-F-B", "b.xls", "--transpose", "500"},
          QStringList{"import", "a.mid", "C-F-B", "b.xls", "--db"},
          QStringList{"import", "a.mid", "C-F-B", "b.xls", "--jinak"}}) {
        const CliRun run = testing_support::runMechikCli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(
            QStringLiteral("mechik-cli import MELODIE LADĚNÍ PÍSEŇ.xls [--db SOUBOR] "
                           "[--transpose N] [--force]")));
    }
}
