// The tuning of the song made current before a lookup, and the tuning picked in the list.
#include "support/ProgramFixture.h"
#include "support/TestFiles.h"

#include "tones/TuningSelection.h"

#include <QComboBox>
#include <QLabel>

using services::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class Tunings : public testing_support::ShownProgramFixture {
protected:
    void openSongIn(const QString& tuning) {
        host().addWorkbook();
        host().activeSheet().setName(tuning);
        form->connection().SongWorkbookName = host().activeWorkbook().name();
    }
};

}  // namespace

TEST_F(Tunings, TheSongsTuningBecomesCurrentAndTheSongStaysActive) {
    openSongIn(QStringLiteral("club c-f"));
    EXPECT_TRUE(form->tuning().SelectSongTuning());
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("club c-f"));
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
    EXPECT_EQ(host().workbook(QStringLiteral("Vezar.xls")).activeSheet().name(),
              QStringLiteral("Club C-F"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Tunings, ATuningMissingFromTheDatabaseIsRefusedWithTheSongStillActive) {
    openSongIn(QStringLiteral("H-E-A"));
    EXPECT_FALSE(form->tuning().SelectSongTuning());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{"Chyba při výběru ladění !",
                                        "Ladění H-E-A není v seznamu.\r\nZkontrolujte název listu "
                                        "v uložené skladbě !",
                                        MessageIcon::Critical, services::MessageButtons::Ok}));
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("G-C-F"));
}

// A program folder the user may not write (or a full disk): the pick still holds for the run.
TEST_F(Tunings, ADatabaseThatCannotBeSavedKeepsThePickForThisRunAndSaysSo) {
    testing_support::withFullDisk([&] { form->tuning().Combo1_Click(QStringLiteral("F-B-Es")); });
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Ladění nelze uložit."));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral(
        "Zvolené ladění F-B-Es platí jen do ukončení programu, databázi ladění se nepodařilo "
        "uložit.\r\nSoubor ")));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("F-B-Es"));
    EXPECT_EQ(host().activeSheet().name(), QStringLiteral("F-B-Es"));
}
