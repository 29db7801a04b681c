// Stepping through a song: where the cursor goes, what the backward commands do, the last grip;
// stepping by the grips' own directions, the automatic player's timer and tempo, and the
// accompanying sound files.
#include "grips/SongTest.h"

#include "grips/AutoPlayer.h"
#include "grips/Navigation.h"
#include "grips/SongFiles.h"
#include "keyboard/SoundOutput.h"
#include "views/Keyboard.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

using grips::AutoPlayer;

using keyboard::Side;

namespace {

class Navigate : public SongTest {
protected:
    void song(int grips) {
        for (int row = 1; row <= grips; ++row) {
            putRow(row, {"c1,"}, row % 2 ? "Tlak" : "Tah");
            put(QStringLiteral("A%1").arg(row), QStringLiteral("sla%1").arg(row));
        }
    }
    grips::Navigation& go() { return form->navigation(); }
    // Where the cursor is, and whether the backward commands are on: "$B$2 back".
    QString where() const {
        const bool on = c().cmdPredchozi->isEnabled();
        EXPECT_EQ(c().cmdPredTlak->isEnabled(), on);
        EXPECT_EQ(c().cmdPredTah->isEnabled(), on);
        return form->connection().SpreadsheetApplication->activeCell().address() +
               (on ? " back" : "");
    }
    int picture(int button) { return form->keyboard().pictureOf(Side::Treble, button); }
};

class RecordedSound : public keyboard::SoundOutput {
public:
    QStringList calls;
    void play(const QString& path) override { calls << QStringLiteral("play ") + path; }
    void stop(const QString& path) override { calls << QStringLiteral("stop ") + path; }
    void stopAll() override { calls << "stop all"; }
};

class Player : public SongTest {
protected:
    RecordedSound sound;
    std::unique_ptr<AutoPlayer> player;

    void SetUp() override {
        SongTest::SetUp();
        player = std::make_unique<AutoPlayer>(
            dialogs, form->navigation(), form->reader(), form->directionColour(),
            form->songControls(), sound,
            [this](int index) { return form->songFiles().SoundFilePath(index); });
    }
};

const said::Message notRecorded = said::critical("Neprovedeno.", "Záznam neuveden.");

}  // namespace

TEST_F(Navigate, ForwardAndBackOneGripAtATimeReleasingTheKeyboard) {
    song(3);
    go().cmdPrvni_Click();
    EXPECT_EQ(where(), "$B$1");
    host().range("F1").select();
    form->keyboard().Obr_Click(5);
    go().cmdDalsi_Click();
    EXPECT_EQ(where(), "$B$2 back");
    EXPECT_FALSE(form->keyboard().isMarked(Side::Treble, 5));
    EXPECT_EQ(c().lblTon->text(), "2");
    EXPECT_EQ(c().lblSlabika[2]->text(), "sla2");
    go().cmdPredchozi_Click();
    EXPECT_EQ(where(), "$B$1");
    go().cmdPredchozi_Click();
    EXPECT_EQ(where(), "$B$1");
    // Past the last grip there is no limit: empty rows.
    for (int i = 0; i < 5; ++i) {
        go().cmdDalsi_Click();
    }
    EXPECT_EQ(where(), "$B$6 back");
    EXPECT_EQ(c().lblSlabika[0]->text(), "");
}

// Accompaniment beats are bass-only grips, and a song may hold a row left empty: neither ends
// the song. Its last grip is its last row with a direction word.
TEST_F(Navigate, TheLastGripIsTheLastRowWithADirectionWord) {
    song(10);
    putRow(12, {"d1,"}, "Tah");
    put("B4", QString());  // a bass-only grip
    put("M4", "C");
    put("B13", "e1,");  // tones without a direction: no grip
    go().cmdPosledni_Click();
    EXPECT_EQ(where(), "$B$12 back");
    EXPECT_EQ(c().lblTon->text(), "12");
    // The last grip itself bass-only.
    putRow(14, {}, "Tlak", {"F"});
    go().cmdPosledni_Click();
    EXPECT_EQ(where(), "$B$14 back");
    EXPECT_EQ(c().lblBasy->text().left(2), "F ");
    // Long songs have a last grip too.
    song(612);
    go().cmdPosledni_Click();
    EXPECT_EQ(where(), "$B$612 back");
    EXPECT_EQ(c().lblTon->text(), "612");
}

TEST_F(Navigate, AnEmptySongStaysOnTheFirstGrip) {
    const auto stepsStay = [this] {
        go().cmdDalsi_Click();
        go().cmdPosledni_Click();
        EXPECT_EQ(where(), "$B$1");
    };
    stepsStay();
    put("A3", "Název");  // lyrics or a title alone: no grip yet
    stepsStay();
    song(1);
    go().cmdPosledni_Click();
    EXPECT_EQ(where(), "$B$1");
}

TEST_F(Navigate, TheDirectionStepsShowTheGrip) {
    song(3);
    go().cmdDalsiTah_Click();
    EXPECT_EQ(cursor(), "$B$2");
    EXPECT_EQ(picture(11), 103);
    go().cmdPredTlak_Click();
    EXPECT_EQ(cursor(), "$B$1");
    EXPECT_EQ(picture(10), 105);
    EXPECT_EQ(picture(11), 101);
    go().cmdDalsiTlak_Click();
    go().cmdPredTah_Click();
    EXPECT_EQ(picture(11), 103);
}

// Excel users reach the sheet's last rows with Ctrl+Down: rows past the end count as empty,
// and there is no next grip after the last row.
TEST_F(Navigate, TheSheetsLastRowsShowAndStayWithoutAnError) {
    putCells("A65534=sla B65535=c1, I65535=Tlak A65535=la B65536=e1, I65536=Tah A65536=pa");
    goToRow(65534);
    c().cmdDalsi->click();
    EXPECT_EQ(c().lblTon->text(), "65535");
    EXPECT_EQ(c().lblSlabika[1]->text(), "sla");
    EXPECT_EQ(c().lblSlabika[3]->text(), "pa");
    EXPECT_EQ(c().lblSlabika[4]->text(), "");
    c().cmdDalsiTah->click();
    EXPECT_EQ(cursor(), "$B$65536");
    EXPECT_EQ(c().lblSlabika[3]->text(), "");
    EXPECT_EQ(picture(10), 103);

    c().cmdDalsi->click();
    EXPECT_EQ(cursor(), "$B$65536");
    EXPECT_EQ(c().lblTon->text(), "65536");
    EXPECT_TRUE(c().lblTony->text().startsWith("e1, "));
    EXPECT_EQ(picture(10), 101);  // released, nothing new
    c().cmdDalsiTlak->click();
    EXPECT_EQ(cursor(), "$B$65536");
    EXPECT_EQ(picture(10), 101);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.titles().join(u',').toStdString();
}

// After a click on the tuning database in the sheet window, the song commands still move the
// song's cursor, not the database's.
TEST_F(Navigate, SongCommandsWorkOnTheSongWhateverWorkbookWasClickedLast) {
    song(5);
    goToRow(2);
    const auto clickTheDatabase = [this] {
        host().activateWindow(form->connection().TuningWorkbookName);
    };
    clickTheDatabase();
    host().range("C7").select();
    c().cmdDalsi->click();
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
    EXPECT_EQ(cursor(), "$B$3");
    clickTheDatabase();
    EXPECT_EQ(cursor(), "$C$7");
    const std::pair<QPushButton*, const char*> steps[] = {
        {c().cmdPosledni, "$B$5"}, {c().cmdPredchozi, "$B$4"}, {c().cmdPrvni, "$B$1"}};
    for (const auto& [command, row] : steps) {
        clickTheDatabase();
        command->click();
        EXPECT_EQ(cursor(), row);
    }
    EXPECT_EQ(c().lblTon->text(), "1");
}

TEST_F(Player, EachStepShowsTheNextGripByItsOwnDirection) {
    putCells("B1=c1, I1=Tlak B2=c1, I2=Tah B3=c1, I3=Tlak");
    goToRow(1);
    player->cmdJakDal_Click();
    EXPECT_EQ(cursor(), "$B$2");
    EXPECT_EQ(form->keyboard().pictureOf(keyboard::Side::Treble, 11), 103);
    EXPECT_EQ(jakDal(), views::PullColour);
    player->cmdJakDal_Click();
    EXPECT_EQ(form->keyboard().pictureOf(keyboard::Side::Treble, 10), 105);
    EXPECT_EQ(jakDal(), views::PushColour);
    EXPECT_TRUE(dialogs.messages.empty());
    // A direction word in other letters ends the player.
    putCells("B4=c1, I4=tah");
    player->cmdJakDal_Click();
    EXPECT_EQ(dialogs.messages, said::Messages{notRecorded});
}

// The sheet ends at row 65536: there is no next grip, the player stops as at a song's end.
TEST_F(Player, TheTimerStopsAtTheEndOfTheSongAndAtTheSheetsLastRow) {
    putRow(1, {"c1,"}, "Tlak");
    goToRow(1);
    player->cmdTimer_Click();
    EXPECT_TRUE(player->Timer1().isActive());
    player->Timer1_Timer();  // the tick after the last grip
    EXPECT_FALSE(player->Timer1().isActive());
    EXPECT_EQ(dialogs.take(), said::Messages{notRecorded});
    EXPECT_EQ(jakDal(), views::SystemInactiveBorder);
    EXPECT_EQ(cursor(), "$B$2");

    putRow(65536, {"c1,"}, "Tlak");
    goToRow(65536);
    c().cmdTimer->click();
    c().cmdJakDal->click();
    EXPECT_FALSE(form->player().Timer1().isActive());
    EXPECT_EQ(dialogs.messages, said::Messages{notRecorded});
    EXPECT_EQ(cursor(), "$B$65536");
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
    EXPECT_EQ(cursor(), "$A$1");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Player, TheTempoSetsTheStepInterval) {
    const std::pair<int, int> intervals[] = {{-5, 6000}, {0, 2000}, {1, 1620}, {5, 100}};
    for (const auto& [tempo, interval] : intervals) {
        EXPECT_EQ(AutoPlayer::intervalForTempo(tempo), interval) << tempo;
    }
    form->player().cmdTimer_Click();
    c().Slider1->setValue(-5);
    EXPECT_EQ(form->player().Timer1().interval(), 6000);
    c().Slider1->setValue(5);
    EXPECT_EQ(form->player().Timer1().interval(), 100);
    EXPECT_TRUE(form->player().Timer1().isActive());  // a running player keeps running
    form->player().cmdTimer_Click();
}

TEST_F(Player, SoundButtonsPlayAndStopTheirFilesBlanksInPathsIncluded) {
    form->connection().SongWorkbookName = "Starý valčík.xls";
    player->cmdZvuk_Click(1);
    const QString midi = songPath("Starý valčík.mid");
    EXPECT_EQ(sound.calls, QStringList{"play " + midi});
    EXPECT_EQ(c().cmdZvuk[1]->text(), "Stop");
    player->cmdZvuk_Click(2);
    player->cmdZvuk_Click(1);
    EXPECT_EQ(sound.calls.last(), "stop " + midi);
    EXPECT_EQ(c().cmdZvuk[1]->text(), "mid");
    EXPECT_EQ(c().cmdZvuk[2]->text(), "Stop");
    player->stopAllSounds();
    EXPECT_EQ(sound.calls.last(), "stop all");
    EXPECT_EQ(c().cmdZvuk[2]->text(), "Wav");
}

// The real output with no sound device: a file that cannot be played is only logged, nothing
// hangs, and ending the song stops what plays and gives the buttons their captions back.
TEST_F(Player, EndingTheSongStopsItsSounds) {
    QDir().mkpath(environment.workingFolder);
    dialogs.inputs.push_back("Waltz");
    testing_support::writeBytes(songPath("Waltz.wav"), "RIFF????");
    testing_support::writeBytes(songPath("Waltz.mid"), "MThd");
    form->songFiles().cmdEndEdit_Click();
    form->songFiles().cmdNovaSkladba_Click();
    EXPECT_TRUE(c().cmdZvuk[0]->isHidden());
    EXPECT_FALSE(c().cmdZvuk[1]->isHidden());
    EXPECT_FALSE(c().cmdZvuk[2]->isHidden());
    c().cmdZvuk[2]->click();
    c().cmdZvuk[1]->click();
    EXPECT_EQ(c().cmdZvuk[2]->text(), "Stop");
    form->songFiles().cmdEndEdit_Click();
    EXPECT_EQ(c().cmdZvuk[1]->text(), "Midi");
    EXPECT_EQ(c().cmdZvuk[2]->text(), "Wav");
    EXPECT_TRUE(c().cmdZvuk[2]->isHidden());
}
