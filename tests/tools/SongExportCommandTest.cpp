// `mechik-cli midi` and `mechik-cli wav`: the song exported from a script, its messages and
// exit statuses.
#include "support/TestFiles.h"

#include "music/MidiFile.h"
#include "songs/SongGrips.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

using testing_support::runMechikCli;

namespace {

struct SongFolder {
    QTemporaryDir dir;
    QString song = dir.filePath(QStringLiteral("Holka modrooká.xls"));
    std::shared_ptr<spreadsheet::Sheet> sheet = testing_support::sheetOf(
        QStringLiteral("G-C-F"), {"B1=c1,", "C1=x1,", "I1=Tlak", "M1=C", "B2=d1,", "I2=Tah",
                                  "M2=(D7)", "B4=e1,", "I4=Tah", "M4=(G)"});

    SongFolder() {
        // A second sheet before the song's: the active sheet is the song.
        const auto other = testing_support::sheetWith(QStringLiteral("Jiný"), {{"I9", "Tlak"}});
        spreadsheet::xls::writeXlsFile(song, {other.get(), sheet.get()}, 1);
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    QString shown(const char* name) const { return QDir::toNativeSeparators(path(name)) + u'\n'; }
};

const QString SkippedCells = QStringLiteral(
    "Řádek 1, sloupec C: „x1,“ není název tónu; přeskočeno.\n"
    "Řádek 2, sloupec M: „(D7)“ není název basu ani akordu; přeskočeno.\n");

// A command run on the folder's song into `file`: it succeeds, names the file and the cells
// that cannot sound.
void expectExported(const SongFolder& folder, const char* command, const char* file,
                    const char* tempo) {
    const auto run = runMechikCli({command, folder.song, folder.path(file), "--tempo", tempo});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, folder.shown(file));
    EXPECT_EQ(run.err, SkippedCells);
}

}  // namespace

TEST(MidiCommand, WritesTheSongsMidiFileAndNamesTheCellsThatCannotSound) {
    SongFolder folder;
    expectExported(folder, "midi", "píseň.mid", "92.5");
    const auto score =
        music::songScore(songs::readSongGrips(*folder.sheet), QStringLiteral("Holka modrooká"));
    EXPECT_EQ(testing_support::readBytes(folder.path("píseň.mid")),
              music::midiFileBytes(score, 92.5));

    // 100 beats a minute unless told otherwise.
    const auto plain = runMechikCli({"midi", folder.song, folder.path("a.mid")});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(testing_support::readBytes(folder.path("a.mid")), music::midiFileBytes(score, 100));
}

TEST(MidiCommand, RefusesWhatItCannotDoAndLeavesNoFile) {
    SongFolder folder;
    const auto missing = runMechikCli({"midi", folder.path("nic.xls"), folder.path("a.mid")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, QStringLiteral("Soubor %1 nelze otevřít: soubor neexistuje.\n")
                               .arg(QDir::toNativeSeparators(folder.path("nic.xls"))));
    EXPECT_TRUE(missing.out.isEmpty());

    const auto noFolder = runMechikCli({"midi", folder.song, folder.path("nic/a.mid")});
    EXPECT_EQ(noFolder.exitCode, 1);
    EXPECT_TRUE(
        noFolder.err.endsWith(QStringLiteral("Soubor %1 nelze uložit: složka %2 neexistuje.\n")
                                  .arg(QDir::toNativeSeparators(folder.path("nic/a.mid")),
                                       QDir::toNativeSeparators(folder.path("nic")))))
        << noFolder.err.toStdString();

    const QString empty = folder.path("prázdná.xls");
    const auto sheet = testing_support::sheetWith(QStringLiteral("G-C-F"), {{"B1", "c1,"}});
    spreadsheet::xls::writeXlsFile(empty, {sheet.get()}, 0);
    const auto nothing = runMechikCli({"midi", empty, folder.path("a.mid")});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_EQ(nothing.err, QStringLiteral("V písni %1 není žádný hmat (řádek se slovem Tlak nebo "
                                          "Tah), není co uložit.\n")
                               .arg(QDir::toNativeSeparators(empty)));

    for (const char* tempo : {"0", "abc", "601", "9.9"}) {
        const auto bad =
            runMechikCli({"midi", folder.song, folder.path("a.mid"), "--tempo", tempo});
        EXPECT_EQ(bad.exitCode, 2) << tempo;
        EXPECT_EQ(bad.err,
                  QStringLiteral("Tempo %1 nelze použít: zadejte počet dob za minutu od 10 "
                                 "do 600.\n")
                      .arg(QString::fromLatin1(tempo)));
    }
    EXPECT_EQ(runMechikCli({"midi", folder.song}).exitCode, 2);
    EXPECT_EQ(runMechikCli({"wav", folder.song, folder.path("a.wav"), "--tempo"}).exitCode, 2);
    const QStringList onlyTheSongs{"Holka modrooká.xls", "prázdná.xls"};
    EXPECT_EQ(QDir(folder.dir.path()).entryList(QDir::Files), onlyTheSongs);
}

TEST(WavCommand, RendersTheSongWithThePlugin) {
    SongFolder folder;
    expectExported(folder, "wav", "píseň.wav", "240");
    // Four beats of a quarter second, then at most two seconds of ringing out.
    const QByteArray wav = testing_support::readBytes(folder.path("píseň.wav"));
    ASSERT_GT(wav.size(), 44);
    const double seconds = (wav.size() - 44) / 4.0 / 44100;
    EXPECT_GE(seconds, 1.0);
    EXPECT_LE(seconds, 3.0);
    EXPECT_EQ(qFromLittleEndian<quint32>(wav.constData() + 40), quint32(wav.size() - 44));

    const auto missing = runMechikCli({"wav", folder.path("nic.xls"), folder.path("b.wav")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("nelze otevřít"))) << missing.err.toStdString();
    EXPECT_FALSE(QFile::exists(folder.path("b.wav")));
}
