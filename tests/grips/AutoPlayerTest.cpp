// Stepping by the grips' own directions, the automatic player's timer and tempo, and the
// accompanying sound files.
#include "support/SongFixture.h"

#include "grips/AutoPlayer.h"
#include "grips/SongFiles.h"
#include "keyboard/SoundOutput.h"
#include "views/Keyboard.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

using grips::AutoPlayer;
using services::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class RecordedSound : public keyboard::SoundOutput {
public:
    QStringList calls;
    void play(const QString& path) override { calls << QStringLiteral("play ") + path; }
    void stop(const QString& path) override { calls << QStringLiteral("stop ") + path; }
    void stopAll() override { calls << QStringLiteral("stop all"); }
};

class Player : public testing_support::SongFixture {
protected:
    RecordedSound sound;
    std::unique_ptr<AutoPlayer> player;

    void SetUp() override {
        SongFixture::SetUp();
        player = std::make_unique<AutoPlayer>(
            dialogs, form->navigation(), form->reader(), form->directionColour(),
            form->songControls(), sound,
            [this](int index) { return form->songFiles().SoundFilePath(index); });
    }
};

const ScriptedDialogs::Message notRecorded{"Neprovedeno.", "Záznam neuveden.",
                                           MessageIcon::Critical, services::MessageButtons::Ok};

}  // namespace

TEST_F(Player, EachStepShowsTheNextGripByItsOwnDirection) {
    putRow(1, {"c1,"}, "Tlak");
    putRow(2, {"c1,"}, "Tah");
    putRow(3, {"c1,"}, "Tlak");
    goToRow(1);
    player->cmdJakDal_Click();
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
    EXPECT_EQ(form->keyboard().pictureOf(keyboard::Side::Treble, 11), 103);
    EXPECT_EQ(jakDal(), views::PullColour);
    player->cmdJakDal_Click();
    EXPECT_EQ(form->keyboard().pictureOf(keyboard::Side::Treble, 10), 105);
    EXPECT_EQ(jakDal(), views::PushColour);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Player, TheTimerStopsAtTheEndOfTheSong) {
    putRow(1, {"c1,"}, "Tlak");
    goToRow(1);
    player->cmdTimer_Click();
    EXPECT_TRUE(player->Timer1().isActive());
    player->Timer1_Timer();  // the tick after the last grip
    EXPECT_FALSE(player->Timer1().isActive());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], notRecorded);
    EXPECT_EQ(jakDal(), views::SystemInactiveBorder);
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
}

TEST_F(Player, ADirectionWordInOtherLettersEndsThePlayerToo) {
    putRow(2, {"c1,"}, "tah");
    goToRow(1);
    player->cmdJakDal_Click();
    EXPECT_EQ(dialogs.messages.back(), notRecorded);
}

TEST_F(Player, AutomatStartsAndStopsAndAClosedSongStopsTheTimer) {
    player->cmdTimer_Click();
    EXPECT_TRUE(player->Timer1().isActive());
    player->cmdTimer_Click();
    EXPECT_FALSE(player->Timer1().isActive());
    player->cmdTimer_Click();
    c().cmdTimer->setEnabled(false);  // the song has been ended
    player->Timer1_Timer();
    EXPECT_FALSE(player->Timer1().isActive());
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$A$1"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Player, TheTempoSetsTheStepInterval) {
    EXPECT_EQ(AutoPlayer::intervalForTempo(-5), 6000);
    EXPECT_EQ(AutoPlayer::intervalForTempo(0), 2000);
    EXPECT_EQ(AutoPlayer::intervalForTempo(1), 1620);
    EXPECT_EQ(AutoPlayer::intervalForTempo(5), 100);
    form->player().cmdTimer_Click();
    c().Slider1->setValue(-5);
    EXPECT_EQ(form->player().Timer1().interval(), 6000);
    c().Slider1->setValue(5);
    EXPECT_EQ(form->player().Timer1().interval(), 100);
    EXPECT_TRUE(form->player().Timer1().isActive());  // a running player keeps running
    form->player().cmdTimer_Click();
}

TEST_F(Player, SoundButtonsPlayAndStopTheirFilesBlanksInPathsIncluded) {
    form->connection().SongWorkbookName = QStringLiteral("Starý valčík.xls");
    player->cmdZvuk_Click(1);
    const QString midi = QDir(environment.workingFolder).filePath("Starý valčík.mid");
    EXPECT_EQ(sound.calls, QStringList{"play " + midi});
    EXPECT_EQ(c().cmdZvuk[1]->text(), QStringLiteral("Stop"));
    player->cmdZvuk_Click(2);
    player->cmdZvuk_Click(1);
    EXPECT_EQ(sound.calls.last(), "stop " + midi);
    EXPECT_EQ(c().cmdZvuk[1]->text(), QStringLiteral("mid"));
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("Stop"));
    player->stopAllSounds();
    EXPECT_EQ(sound.calls.last(), QStringLiteral("stop all"));
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("Wav"));
}

// The real output with no sound device: a file that cannot be played is only logged, nothing
// hangs, and ending the song stops what plays and gives the buttons their captions back.
TEST_F(Player, EndingTheSongStopsItsSounds) {
    QDir().mkpath(environment.workingFolder);
    dialogs.inputs.push_back(QStringLiteral("Waltz"));
    testing_support::writeBytes(QDir(environment.workingFolder).filePath("Waltz.wav"), "RIFF????");
    testing_support::writeBytes(QDir(environment.workingFolder).filePath("Waltz.mid"), "MThd");
    form->songFiles().cmdEndEdit_Click();
    form->songFiles().cmdNovaSkladba_Click();
    EXPECT_TRUE(c().cmdZvuk[0]->isHidden());
    EXPECT_FALSE(c().cmdZvuk[1]->isHidden());
    EXPECT_FALSE(c().cmdZvuk[2]->isHidden());
    c().cmdZvuk[2]->click();
    c().cmdZvuk[1]->click();
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("Stop"));
    form->songFiles().cmdEndEdit_Click();
    EXPECT_EQ(c().cmdZvuk[1]->text(), QStringLiteral("Midi"));
    EXPECT_EQ(c().cmdZvuk[2]->text(), QStringLiteral("Wav"));
    EXPECT_TRUE(c().cmdZvuk[2]->isHidden());
}

// The sheet ends at row 65536: there is no next grip, the player stops as at a song's end.
TEST_F(Player, AtTheSheetsLastRowThePlayerStops) {
    putRow(65536, {"c1,"}, "Tlak");
    goToRow(65536);
    c().cmdTimer->click();
    c().cmdJakDal->click();
    EXPECT_FALSE(form->player().Timer1().isActive());
    EXPECT_EQ(dialogs.messages, std::vector<ScriptedDialogs::Message>{notRecorded});
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$65536"));
}
