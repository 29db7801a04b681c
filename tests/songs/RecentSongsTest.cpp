// The last five songs, most recent first, kept across runs in the settings.
#include "services/ProgramSettings.h"
#include "songs/RecentSongs.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using songs::RecentSongs;

namespace {

class RecentSongsTest : public testing::Test {
protected:
    QString song(const QString& name) {
        const QString path = folder.filePath(name + ".xls");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    QTemporaryDir folder;
};

}  // namespace

TEST_F(RecentSongsTest, TheLastFiveMostRecentFirstEachOnce) {
    RecentSongs recent;
    for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
        recent.remember(song(name));
    }
    recent.remember(folder.path() + "/./d.xls");  // the same song by another path
    const QDir dir(folder.path());
    const QStringList expected{dir.filePath("d.xls"), dir.filePath("f.xls"), dir.filePath("e.xls"),
                               dir.filePath("c.xls"), dir.filePath("b.xls")};
    EXPECT_EQ(recent.paths(), expected);
    // A list edited by hand is tidied on reading.
    EXPECT_EQ(
        RecentSongs(QStringList{expected[0], ""} + expected + QStringList{dir.filePath("a.xls")})
            .paths(),
        expected);
}

TEST_F(RecentSongsTest, KeptInTheSettingsAcrossRuns) {
    const QString ini = folder.filePath("settings.ini");
    {
        services::ProgramSettings settings(ini);
        EXPECT_EQ(settings.list(services::ProgramSettings::PosledniPisne), QStringList());
        RecentSongs recent(settings.list(services::ProgramSettings::PosledniPisne));
        recent.remember(song("Polka, ta naše"));
        recent.remember(song("Valčík"));
        settings.setList(services::ProgramSettings::PosledniPisne, recent.paths());
    }
    services::ProgramSettings settings(ini);
    const RecentSongs recent(settings.list(services::ProgramSettings::PosledniPisne));
    EXPECT_EQ(recent.paths(),
              (QStringList{folder.filePath("Valčík.xls"), folder.filePath("Polka, ta naše.xls")}));
}
