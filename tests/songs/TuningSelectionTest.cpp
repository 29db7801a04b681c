// The tuning of the song made current before a lookup, and the tuning picked in the list.
#include "support/ProgramFixture.h"

#include "tones/TuningSelection.h"

#include <QComboBox>
#include <QLabel>

#include <unistd.h>

using app::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class Tunings : public testing_support::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
    }
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
                                        MessageIcon::Critical, app::MessageButtons::Ok}));
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("G-C-F"));
}

TEST_F(Tunings, APickedTuningIsTheCurrentOneAtTheNextStart) {
    c().Combo1->setCurrentIndex(3);
    Q_EMIT c().Combo1->activated(3);
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("C-F-B"));
    EXPECT_TRUE(dialogs.messages.empty());
    form->close();
    form.reset();
    ASSERT_TRUE(start());
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("C-F-B"));
    EXPECT_EQ(c().Combo1->currentText(), QStringLiteral("C-F-B"));
}

TEST_F(Tunings, AReadOnlyDatabaseKeepsThePickForThisRunAndSaysSo) {
    QFile::setPermissions(vezarPath(), QFileDevice::ReadOwner);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QFileInfo(dir.path()).isWritable() && geteuid() == 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        GTEST_SKIP() << "root writes into read-only folders";
    }
    form->tuning().Combo1_Click(QStringLiteral("F-B-Es"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Ladění nelze uložit."));
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral(
        "Zvolené ladění F-B-Es platí jen do ukončení programu, databázi ladění se nepodařilo "
        "uložit.\r\n")));
    EXPECT_EQ(c().lblLadeni->text(), QStringLiteral("F-B-Es"));
}
