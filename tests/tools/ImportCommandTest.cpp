// `mechik-cli import`: a melody file made into a song from a script; every refusal exits 1 with
// the reason and writes nothing.
#include "CliRuns.h"

#include "support/MelodyFiles.h"

using namespace cli_test;
using testing_support::midiTune;

namespace {

CliRun import(const QStringList& arguments) {
    return cli(QStringList{"import"} + arguments + QStringList{"--db", Database});
}

struct Folder {
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& bytes) const {
        testing_support::writeBytes(path(name), bytes);
        return path(name);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
};

}  // namespace

TEST(ImportCommand, AMidiTuneBecomesASongWithItsReversalsCounted) {
    // In C-F-B fis1 is pushed only and cis2 pulled only.
    const Folder folder;
    const QString tune = folder.write("tune.mid", midiTune({{66}, {73}, {66}}));
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

    const QString low = folder.write("nízko.mid", midiTune({{54}}));
    const CliRun shifted = import({low, "C-F-B", song, "--force"});
    EXPECT_EQ(shifted.out, QStringLiteral("imported\t1\t0\t12\n"));
    EXPECT_EQ(dumpOf(song),
              QStringLiteral("sheet\tC-F-B\tactive\ncursor\t$B$1\nB1\tfis1,\nI1\tTlak\n"));

    const QString mxl = folder.write(
        "píseň.mxl",
        testing_support::zipArchive(
            {{"META-INF/container.xml",
              "<container><rootfiles><rootfile full-path=\"a.xml\"/></rootfiles></container>"},
             {"a.xml", readBytes(score)}}));
    const CliRun compressed =
        import({mxl, "C-F-B", folder.path("Z archivu.xls"), "--transpose", "0"});
    EXPECT_EQ(compressed.out, QStringLiteral("imported\t1\t0\t0\n"));
}

TEST(ImportCommand, AnExistingSongIsReplacedOnlyWhenForced) {
    const Folder folder;
    const QString tune = folder.write("tune.mid", midiTune({{66}}));
    const QString song = folder.write("Stará.xls", "stará píseň");
    expectRefused(import({tune, "C-F-B", song}), 1,
                  QStringLiteral("Soubor %1 již existuje. Přepsat ho lze volbou --force.\n")
                      .arg(native(song)));
    EXPECT_EQ(readBytes(song), QByteArray("stará píseň"));
    EXPECT_EQ(import({tune, "C-F-B", song, "--force"}).exitCode, 0);
    EXPECT_TRUE(dumpOf(song).startsWith(QStringLiteral("sheet\tC-F-B")));

    expectRefused(
        import({tune, "C-F-B", Database, "--force"}), 1,
        QStringLiteral("Databázi ladění %1 nelze přepsat písní.\n").arg(native(Database)));
}

TEST(ImportCommand, EveryRefusalExitsOneWithTheReasonAndWritesNothing) {
    const Folder folder;
    const QString song = folder.path("Nová.xls");
    const QString tune = folder.write("tune.mid", midiTune({{66}, {73}}));
    const QString missing = folder.path("není.mid");
    const QString text = folder.write("text.txt", "do re mi");
    const QString chord = folder.write("akord.mid", midiTune({{60, 62, 64, 65, 67, 69}}));
    const QString outside = folder.write("mimo.mid", midiTune({{66}, {30}}));
    const QString truncated = folder.write("půl.mid", midiTune({{66}, {73}}).chopped(5));
    const std::pair<QStringList, QString> cases[] = {
        {{missing, "C-F-B", song}, QStringLiteral("Soubor %1 nelze otevřít.").arg(native(missing))},
        {{text, "C-F-B", song},
         QStringLiteral("Soubor %1 není MIDI ani MusicXML (.mid, .musicxml, .xml, .mxl).")
             .arg(native(text))},
        {{truncated, "C-F-B", song},
         QStringLiteral("Soubor MIDI %1 je poškozený: stopa 1 je zkrácená.")
             .arg(native(truncated))},
        {{tune, "H-E-A", song},
         QStringLiteral("Ladění H-E-A v databázi ladění %1 není (jsou v ní: G-C-F, A-D-G, B-Es-As, "
                        "C-F-B, F-B-Es, C-F, G-C, Club C-F).")
             .arg(native(Database))},
        {{chord, "C-F-B", song},
         QStringLiteral("Akord na místě takt 1, doba 1 (MIDI čas 0) má 6 různých tónů; pravá ruka "
                        "jich zahraje nejvýše pět.")},
        {{outside, "C-F-B", song},
         QStringLiteral("Melodii nelze v ladění C-F-B zahrát, ani když se posune o oktávu či dvě "
                        "nahoru nebo dolů. Žádný knoflík nedává: takt 1, doba 2 (MIDI čas 480): "
                        "tón MIDI 30 mimo rozsah c, až g4,.")},
        {{tune, "C-F-B", song, "--transpose", "-5"},
         QStringLiteral("Melodii posunutou o 5 půltónů dolů nelze v ladění C-F-B zahrát. Žádný "
                        "knoflík nedává: takt 1, doba 1 (MIDI čas 0): cis1,.")},
        {{tune, "C-F-B", folder.path("Nová.ods")},
         QStringLiteral("Píseň se ukládá jako sešit .xls; zadejte soubor s příponou .xls.")},
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        expectRefused(import(arguments), 1, message + u'\n');
        EXPECT_FALSE(QFileInfo::exists(song));
    }
    expectRefused(cli({"import", tune, "C-F-B", song, "--db", missing}), 1,
                  QStringLiteral("Soubor %1 nelze otevřít").arg(native(missing)));
    EXPECT_FALSE(QFileInfo::exists(song));
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files).size(), 5);  // the inputs only
}
