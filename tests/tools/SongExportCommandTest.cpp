// `mechik-cli midi` and `mechik-cli wav`: the song exported from a script, its messages and
// exit statuses.
#include "CliRuns.h"

#include "music/MidiFile.h"
#include "songs/SongGrips.h"

#include <QtEndian>

using namespace cli_test;

namespace {

struct SongFolder {
    QTemporaryDir dir;
    QString song = dir.filePath(QStringLiteral("Holka modrooká.xls"));
    std::shared_ptr<spreadsheet::Sheet> sheet = testing_support::sheetOf(
        QStringLiteral("G-C-F"), {"B1=c1,", "C1=x1,", "I1=Tlak", "M1=C", "B2=d1,", "I2=Tah",
                                  "M2=(D7)", "B4=e1,", "I4=Tah", "M4=(G)"});

    SongFolder() {
        // A second sheet before the song's: the active sheet is the song.
        const auto other = testing_support::sheetOf(QStringLiteral("Jiný"), {"I9=Tlak"});
        spreadsheet::xls::writeXlsFile(song, {other.get(), sheet.get()}, 1);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }

    // The command run on the song into `file`: it succeeds, names the file and the cells that
    // cannot sound.
    void expectExported(const char* command, const char* file, const char* tempo) const {
        const CliRun run = cli({command, song, path(file), "--tempo", tempo});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, native(path(file)) + u'\n');
        EXPECT_EQ(
            run.err,
            QStringLiteral("Řádek 1, sloupec C: „x1,“ není název tónu; přeskočeno.\n"
                           "Řádek 2, sloupec M: „(D7)“ není název basu ani akordu; přeskočeno.\n"));
    }
};

}  // namespace

TEST(MidiCommand, WritesTheSongsMidiFileAndNamesTheCellsThatCannotSound) {
    const SongFolder folder;
    folder.expectExported("midi", "píseň.mid", "92.5");
    const auto score =
        music::songScore(songs::readSongGrips(*folder.sheet), QStringLiteral("Holka modrooká"));
    EXPECT_EQ(readBytes(folder.path("píseň.mid")), music::midiFileBytes(score, 92.5));

    // 100 beats a minute unless told otherwise.
    EXPECT_EQ(cli({"midi", folder.song, folder.path("a.mid")}).exitCode, 0);
    EXPECT_EQ(readBytes(folder.path("a.mid")), music::midiFileBytes(score, 100));
}

TEST(MidiCommand, RefusesWhatItCannotDoAndLeavesNoFile) {
    const SongFolder folder;
    expectRefused(cli({"midi", folder.path("nic.xls"), folder.path("a.mid")}), 1,
                  QStringLiteral("Soubor %1 nelze otevřít: soubor neexistuje.\n")
                      .arg(native(folder.path("nic.xls"))));

    const CliRun noFolder = cli({"midi", folder.song, folder.path("nic/a.mid")});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(noFolder.err.endsWith(
        QStringLiteral("Soubor %1 nelze uložit: složka %2 neexistuje.\n")
            .arg(native(folder.path("nic/a.mid")), native(folder.path("nic")))))
        << noFolder.err.toStdString();

    const QString empty = writeSheet(folder.path("prázdná.xls"), "G-C-F", {"B1=c1,"});
    expectRefused(cli({"midi", empty, folder.path("a.mid")}), 1,
                  QStringLiteral("V písni %1 není žádný hmat (řádek se slovem Tlak nebo Tah), není "
                                 "co uložit.\n")
                      .arg(native(empty)));

    for (const char* tempo : {"0", "abc", "601", "9.9"}) {
        SCOPED_TRACE(tempo);
        expectRefused(cli({"midi", folder.song, folder.path("a.mid"), "--tempo", tempo}), 2,
                      QStringLiteral("Tempo %1 nelze použít: zadejte počet dob za minutu od 10 "
                                     "do 600.\n")
                          .arg(QString::fromLatin1(tempo)));
    }
    const QStringList onlyTheSongs{"Holka modrooká.xls", "prázdná.xls"};
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files), onlyTheSongs);
}

TEST(WavCommand, RendersTheSongWithThePlugin) {
    const SongFolder folder;
    folder.expectExported("wav", "píseň.wav", "240");
    // Four beats of a quarter second, then at most two seconds of ringing out.
    const QByteArray wav = readBytes(folder.path("píseň.wav"));
    ASSERT_GT(wav.size(), 44);
    const double seconds = (wav.size() - 44) / 4.0 / 44100;
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 3.0);
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));

    const QString missing = folder.path("nic.xls");
    expectRefused(cli({"wav", missing, folder.path("b.wav")}), 1,
                  QStringLiteral("Soubor %1 nelze otevřít").arg(native(missing)));
    EXPECT_FALSE(QFile::exists(folder.path("b.wav")));
}
