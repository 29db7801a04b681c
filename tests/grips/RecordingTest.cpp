// Recording a grip by clicking buttons: what is written, in which order, the messages for too
// many fingers, and the mended cases of buttons the tuning lacks.
#include "support/SongFixture.h"

#include "grips/AutoPlayer.h"
#include "grips/Recording.h"
#include "services/Contact.h"
#include "views/Keyboard.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using keyboard::Side;
using services::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class Record : public testing_support::SongFixture {
protected:
    void mark(Side side, std::initializer_list<int> buttons) {
        for (int n : buttons) {
            if (side == Side::Treble) {
                form->keyboard().Obr_Click(n);
            } else {
                form->keyboard().ObrBas_Click(n);
            }
        }
    }
    QStringList treble(int row) { return rowCells(row, 2, 8); }  // B..I
    QStringList bass(int row) { return rowCells(row, 13, 8); }   // M..T
};

const QStringList none{"", "", "", "", "", "", "", ""};

}  // namespace

TEST_F(Record, MarkedButtonsAreWrittenInButtonOrderAndTheCursorMovesOn) {
    mark(Side::Treble, {20, 10, 19});
    mark(Side::Bass, {4, 3});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(treble(1), (QStringList{"c1,", "g1,", "e1,", "", "", "", "", "Tlak"}));
    EXPECT_EQ(bass(1), (QStringList{"(C)", "C", "", "", "", "", "", ""}));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("2"));
    EXPECT_TRUE(c().cmdPredchozi->isEnabled());
    // The next row is empty: the buttons stay marked for the next grip.
    EXPECT_TRUE(form->keyboard().isMarked(Side::Treble, 10));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Record, PullWritesThePullTones) {
    mark(Side::Treble, {10});
    mark(Side::Bass, {1});
    form->recording().cmdTah_Click();
    EXPECT_EQ(treble(1), (QStringList{"e1,", "", "", "", "", "", "", "Tah"}));
    EXPECT_EQ(bass(1)[0], QStringLiteral("(D)"));
}

TEST_F(Record, NothingMarkedClearsTheRowAndStays) {
    putRow(1, {"c1,", "e1,"}, "Tlak", {"C"});
    goToRow(1);
    form->recording().cmdTlak_Click();
    EXPECT_EQ(treble(1), none);
    EXPECT_EQ(bass(1), none);
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$1"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Record, OnlyBassesWriteTheDirectionAndMoveOn) {
    mark(Side::Bass, {2});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(treble(1), (QStringList{"", "", "", "", "", "", "", "Tlak"}));
    EXPECT_EQ(bass(1)[0], QStringLiteral("G"));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
}

TEST_F(Record, EightTrebleButtonsWriteSevenAndSaySo) {
    mark(Side::Treble, {1, 2, 3, 4, 5, 6, 7, 8});
    form->recording().cmdTlak_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{
                  "Diagnóza mnohoprstost.",
                  "Páč asi nemáte více než sedm prstů na pravé ruce, program se Vám na zápis "
                  "dalších knoflíků se vší úctou u tohoto hmatu vykašle. Sťěžovat si můžete u " +
                      services::ContactLine,
                  MessageIcon::Critical, services::MessageButtons::Ok}));
    EXPECT_EQ(treble(1), (QStringList{"c4,", "a3,", "f3,", "c3,", "a2,", "f2,", "c2,", "Tlak"}));
    EXPECT_TRUE(form->keyboard().isMarked(Side::Treble, 8));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
}

TEST_F(Record, EightBassButtonsWriteSevenAndSaySo) {
    mark(Side::Bass, {1, 2, 3, 4, 5, 6, 7, 8});
    form->recording().cmdTlak_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Sdělení pro mutanty."));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Spočítejte si prosím prsty na levé ruce a pokud jich máte více než "
                             "sedm, volejte odbornou pomoc: ") +
                  services::ContactLine);
    EXPECT_EQ(bass(1), (QStringList{"(G)", "G", "(C)", "C", "(F)", "F", "D", ""}));
    EXPECT_EQ(treble(1)[7], QStringLiteral("Tlak"));
}

TEST_F(Record, AFollowingGripIsShownAfterRecording) {
    putRow(2, {"c1,"}, "Tah");
    mark(Side::Treble, {10});
    form->recording().cmdTlak_Click();
    EXPECT_FALSE(form->keyboard().isMarked(Side::Treble, 10));
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 11), 103);
    EXPECT_EQ(jakDal(), views::PullColour);
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
}

TEST_F(Record, RecordingOntoTheLastRowKeepsTheMarksAndTheColour) {
    views::setBackColour(c().cmdJakDal, views::PushColour);
    mark(Side::Treble, {10});
    form->recording().cmdTah_Click();
    EXPECT_TRUE(form->keyboard().isMarked(Side::Treble, 10));
    EXPECT_EQ(jakDal(), views::PushColour);
}

// The message names the button as the player finds it: its row and the number beside it in the
// numbering in use (Image1 is the inner row's top button: "12", in Trizonia 56 "11").
TEST_F(Record, AButtonWithoutAToneIsNotWrittenAndTheOthersStayPacked) {
    host().activeSheet().setName(QStringLiteral("Club C-F"));  // buttons 1..3 and 11..13 missing
    mark(Side::Treble, {1, 14, 22});
    mark(Side::Bass, {1, 5});  // bass 5, shown as 11, missing too
    form->recording().cmdTlak_Click();
    EXPECT_EQ(dialogs.messages,
              (std::vector<ScriptedDialogs::Message>{
                  {"Knoflík bez tónu.",
                   "Knoflík 12 ve vnitřní řadě nedává v ladění Club C-F při tlačení měchu žádný "
                   "tón, proto nebyl zapsán.",
                   MessageIcon::Exclamation, services::MessageButtons::Ok},
                  {"Knoflík bez tónu.",
                   "Basový knoflík 11 nedává v ladění Club C-F při tlačení měchu žádný tón, proto "
                   "nebyl zapsán.",
                   MessageIcon::Exclamation, services::MessageButtons::Ok}}));
    EXPECT_EQ(treble(1), (QStringList{"a3,", "c1,", "", "", "", "", "", "Tlak"}));
    EXPECT_EQ(bass(1)[0], QStringLiteral("(C)"));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));

    menu().mnuZnaceni[1]->trigger();
    dialogs.messages.clear();
    form->recording().cmdTah_Click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Knoflík 11 ve vnitřní řadě nedává v ladění Club C-F při tažení měchu "
                             "žádný tón, proto nebyl zapsán."));
}

namespace {

// A tuning sheet whose column A does not count up from row 2, and lacks button 5.
class OddTuning : public Record {
protected:
    void prepareTrialSheet() override {
        trial->setValue({2, 1}, spreadsheet::CellValue::number(10));
        trial->setValue({2, 2}, spreadsheet::CellValue(QStringLiteral("c1,")));
        trial->setValue({3, 1}, spreadsheet::CellValue::number(1));
        trial->setValue({3, 2}, spreadsheet::CellValue(QStringLiteral("c4,")));
        trial->setValue({4, 1}, spreadsheet::CellValue::number(2));
        trial->setValue({4, 2}, spreadsheet::CellValue(QStringLiteral("a3,")));
        trial->setValue({4, 6}, spreadsheet::CellValue(QStringLiteral("C")));
    }
};

}  // namespace

TEST_F(OddTuning, AButtonIsLookedUpByItsWholeNumber) {
    host().activeSheet().setName(QStringLiteral("Zkušební"));
    mark(Side::Treble, {1});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(treble(1)[0], QStringLiteral("c4,"));
}

TEST_F(OddTuning, AButtonMissingFromTheTuningLeavesTheRowAsItWas) {
    host().activeSheet().setName(QStringLiteral("Zkušební"));
    putRow(1, {"x1,", "x2,"}, "Tah", {"B"});
    goToRow(1);
    mark(Side::Treble, {1, 5});
    mark(Side::Bass, {3});
    form->recording().cmdTlak_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{"Hmat nebyl zapsán.",
                                        "Knoflík 8 ve vnitřní řadě v ladění Zkušební chybí, "
                                        "hmat proto nebyl zapsán.",
                                        MessageIcon::Critical, services::MessageButtons::Ok}));
    EXPECT_EQ(treble(1), (QStringList{"x1,", "x2,", "", "", "", "", "", "Tah"}));
    EXPECT_EQ(bass(1)[0], QStringLiteral("B"));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$1"));
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
}

// A message of a recording runs an event loop, where the automatic player's timer still ticks.
// Such a tick is dropped: it must not step the song while the grip is half written.
TEST_F(Record, ATickOfTheAutomaticPlayerDuringAMessageIsDropped) {
    host().activeSheet().setName(QStringLiteral("Club C-F"));  // button 1 gives no tone
    putRow(2, {"c1,"}, "Tah", {"C"});
    goToRow(1);
    mark(Side::Treble, {1, 14});
    mark(Side::Bass, {3});
    QTimer& timer = form->player().Timer1();
    timer.setInterval(0);
    c().cmdTimer->click();
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    dialogs.whileShown = [] {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::processEvents();
        }
    };
    c().cmdTlak->click();
    dialogs.whileShown = nullptr;
    timer.stop();
    EXPECT_GT(ticks, 0);
    EXPECT_EQ(dialogs.titles(), QStringList{"Knoflík bez tónu."});
    EXPECT_EQ(treble(1), (QStringList{"a3,", "", "", "", "", "", "", "Tlak"}));
    EXPECT_FALSE(bass(1)[0].isEmpty());
    EXPECT_EQ(treble(2), (QStringList{"c1,", "", "", "", "", "", "", "Tah"}));
    EXPECT_EQ(bass(2)[0], QStringLiteral("C"));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
}

// Restoring a row after "Hmat nebyl zapsán." gives every cell back as it was: a number stays
// a number.
TEST_F(OddTuning, ARestoredRowKeepsItsNumbersNumbers) {
    host().activeSheet().setName(QStringLiteral("Zkušební"));
    putRow(1, {"x1,"}, "Tah");
    host().range(QStringLiteral("C1")).setValue(spreadsheet::CellValue::number(7.5));
    host().range(QStringLiteral("N1")).setValue(spreadsheet::CellValue::boolean(true));
    goToRow(1);
    mark(Side::Treble, {5});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(dialogs.titles(), QStringList{"Hmat nebyl zapsán."});
    EXPECT_TRUE(host().range(QStringLiteral("C1")).value().isNumber());
    EXPECT_EQ(host().range(QStringLiteral("C1")).value().numberValue(), 7.5);
    EXPECT_TRUE(host().range(QStringLiteral("N1")).value().isBoolean());
    EXPECT_EQ(host().range(QStringLiteral("B1")).text(), QStringLiteral("x1,"));
}
