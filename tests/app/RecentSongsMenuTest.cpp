// The last songs in "Soubor" and a song given on the command line, as a file manager starts
// the program for a song.
#include "app/WindowChecks.h"

#include "app/CommandLine.h"
#include "app/RecentSongsMenu.h"
#include "auxwin/frmKonverze.h"
#include "grips/SongFiles.h"
#include "songs/SongWriting.h"
#include "spreadsheet/xls/XlsFile.h"

#include <QMenu>

using namespace window_checks;

namespace {

class RecentSongs : public testing_support::ShownProgramFixture {
protected:
    // A song of a few grips, its cursor on `row`.
    QString writeSong(const QString& name, int row = 1) {
        std::vector<songs::SongGrip> grips(3);
        for (auto& grip : grips) {
            grip.treble = QStringList{QStringLiteral("c1,")};
            grip.bellows = tones::Bellows::Push;
        }
        const QString path = songPath(name);
        songs::writeSongFile(path, QStringLiteral("G-C-F"), grips);
        if (row != 1) {
            auto data = spreadsheet::xls::readXlsFile(path);
            const spreadsheet::CellAddress cursor{row, 2};
            data.sheets[0]->setSelection(spreadsheet::CellRect::single(cursor), cursor);
            spreadsheet::xls::writeXlsFile(path, data);
        }
        return path;
    }
    void openAndEnd(const QString& path) {
        ASSERT_TRUE(form->songFiles().openSongFile(path));
        form->songFiles().cmdEndEdit_Click();
    }
    QStringList entries() const {
        QStringList captions;
        for (const QAction* entry : form->recentSongs().entries()) {
            captions << entry->text();
        }
        return captions;
    }
    QStringList souborItems() const { return texts(menu().mnuSoubor->actions()); }
};

}  // namespace

TEST_F(RecentSongs, TheLastFiveSongsCreatedOrOpenedAreListedMostRecentFirst) {
    EXPECT_TRUE(entries().isEmpty());
    EXPECT_EQ(souborItems().mid(souborItems().size() - 3),
              (QStringList{"Změna implicitní cesty pro Excel", "-", "Konec"}));
    for (const char* name : {"A.xls", "B.xls", "C.xls", "D.xls", "E.xls"}) {
        openAndEnd(writeSong(name));
    }
    dialogs.inputs.push_back(QStringLiteral("Nová"));
    form->songFiles().cmdNovaSkladba_Click();
    form->songFiles().cmdEndEdit_Click();
    openAndEnd(songPath("C.xls"));
    EXPECT_EQ(entries(),
              (QStringList{"&1 C.xls", "&2 Nová.xls", "&3 E.xls", "&4 D.xls", "&5 B.xls"}));
    EXPECT_EQ(souborItems().mid(souborItems().size() - 9),
              (QStringList{"Změna implicitní cesty pro Excel", "-", "&1 C.xls", "&2 Nová.xls",
                           "&3 E.xls", "&4 D.xls", "&5 B.xls", "-", "Konec"}));
    EXPECT_EQ(form->recentSongs().entries()[0]->statusTip(),
              QDir::toNativeSeparators(songPath("C.xls")));

    // Kept for the next start.
    form->close();
    form.reset();
    ASSERT_TRUE(start());
    EXPECT_EQ(entries(),
              (QStringList{"&1 C.xls", "&2 Nová.xls", "&3 E.xls", "&4 D.xls", "&5 B.xls"}));
}

TEST_F(RecentSongs, APickedSongOpensAtItsGripAndTheListIsOffWhileASongIsOpen) {
    openAndEnd(writeSong("Polka.xls", 3));
    openAndEnd(writeSong("Valčík.xls"));
    ASSERT_EQ(entries(), (QStringList{"&1 Valčík.xls", "&2 Polka.xls"}));
    EXPECT_TRUE(form->recentSongs().entries()[1]->isEnabled());
    form->recentSongs().entries()[1]->trigger();
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polka.xls"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("3"));
    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(entries(), (QStringList{"&1 Polka.xls", "&2 Valčík.xls"}));
    for (const QAction* entry : form->recentSongs().entries()) {
        EXPECT_FALSE(entry->isEnabled());
    }
    form->songFiles().cmdEndEdit_Click();
    for (const QAction* entry : form->recentSongs().entries()) {
        EXPECT_TRUE(entry->isEnabled());
    }
}

TEST_F(RecentSongs, ASongThatIsGoneIsDroppedWithAMessage) {
    const QString gone = writeSong("Pryč.xls");
    openAndEnd(gone);
    openAndEnd(writeSong("Zůstává.xls"));
    ASSERT_TRUE(QFile::remove(gone));
    form->recentSongs().entries()[1]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialogs.take(),
              std::vector{exclamation("Písnička nenalezena.",
                                      "Písnička " + QDir::toNativeSeparators(gone) +
                                          " už neexistuje (byla přesunuta, přejmenována nebo "
                                          "smazána); ze seznamu posledních písniček byla "
                                          "odebrána.")});
    EXPECT_EQ(entries(), QStringList{"&1 Zůstává.xls"});
    EXPECT_EQ(settings.list(services::ProgramSettings::PosledniPisne),
              QStringList{songPath("Zůstává.xls")});
    EXPECT_FALSE(songOpen());
}

TEST_F(RecentSongs, AConvertedCopyIsListedToo) {
    const QString song = writeSong("Polka.xls");
    ASSERT_TRUE(form->songFiles().openSongFile(song));
    menu().mnuKonverze->trigger();
    auto* window = shownWindow<auxwin::frmKonverze>();
    ASSERT_TRUE(window);
    window->Combo1->setCurrentIndex(window->Combo1->findText(QStringLiteral("A-D-G")));
    window->cmdGo_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(entries(), (QStringList{"&1 Polka A-D-G.xls", "&2 Polka.xls"}));
}

// A song given at start is opened as "Otevřít" opens it; one that cannot be opened is told and
// the program goes on.
TEST_F(RecentSongs, ASongGivenAtStartIsOpenedAsOtevritOpensIt) {
    const QString text = songPath("Poznámky.xls");
    testing_support::writeBytes(text, "jen text");
    for (const QString& bad : {text, songPath("Není.xls")}) {
        SCOPED_TRACE(bad.toStdString());
        form->openGivenSong(bad);
        const auto shown = dialogs.take();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].title, QStringLiteral("Písničku nelze otevřít."));
        EXPECT_FALSE(songOpen());
        EXPECT_TRUE(c().cmdEdit->isEnabled());
        EXPECT_TRUE(entries().isEmpty());
    }

    form->openGivenSong(writeSong("Polka.xls", 2));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(songOpen());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Polka.xls"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("2"));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("G-C-F"));
    EXPECT_TRUE(QFileInfo::exists(songPath(".Polka.xls.lock")));
    EXPECT_EQ(entries(), QStringList{"&1 Polka.xls"});
}

TEST(CommandLine, TheFirstFileGivenIsTheSongToOpen) {
    EXPECT_EQ(app::songToOpen({"mechik"}), QString());
    EXPECT_EQ(app::songToOpen({"mechik", "/home/jan/Polka.xls"}),
              QStringLiteral("/home/jan/Polka.xls"));
    EXPECT_EQ(app::songToOpen({"mechik", "--nic", "Polka.xls", "Valčík.xls"}),
              QDir::current().absoluteFilePath("Polka.xls"));
    EXPECT_EQ(app::songToOpen({"mechik", "file:///home/jan/Sk%C3%A1kal%20pes.xls"}),
              QStringLiteral("/home/jan/Skákal pes.xls"));
}
