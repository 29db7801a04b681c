// Recording a grip by clicking buttons: what is written, in which order, the messages for too
// many fingers, and the mended cases of buttons the tuning lacks; and writing one from notes
// placed on the staff.
#include "grips/SongTest.h"

#include "grips/AutoPlayer.h"
#include "grips/Recording.h"
#include "grips/StaffEntry.h"
#include "services/Contact.h"
#include "views/Keyboard.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using keyboard::Side;
using spreadsheet::CellValue;

namespace {

class Record : public SongTest {
protected:
    void mark(std::initializer_list<int> treble, std::initializer_list<int> basses = {}) {
        for (int n : treble) {
            form->keyboard().Obr_Click(n);
        }
        for (int n : basses) {
            form->keyboard().ObrBas_Click(n);
        }
    }
};

class StaffNotes : public SongTest {
protected:
    void note(int i, int top) { form->staff().picNota[i]->drop(3450, top); }
    void flat(int i, int top) { form->staff().picBecko[i]->drop(3240, top); }
};

// A tuning sheet whose column A does not count up from row 2, and lacks button 5.
class OddTuning : public Record {
protected:
    void prepareTrialSheet() override {
        trial->setValue({2, 1}, CellValue::number(10));
        trial->setValue({2, 2}, CellValue("c1,"));
        trial->setValue({3, 1}, CellValue::number(1));
        trial->setValue({3, 2}, CellValue("c4,"));
        trial->setValue({4, 1}, CellValue::number(2));
        trial->setValue({4, 2}, CellValue("a3,"));
        trial->setValue({4, 6}, CellValue("C"));
    }
    void SetUp() override {
        Record::SetUp();
        host().activeSheet().setName("Zkušební");
    }
};

}  // namespace

TEST_F(Record, MarkedButtonsAreWrittenInButtonOrderAndTheCursorMovesOn) {
    mark({20, 10, 19}, {4, 3});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(row(1), "B1=c1, C1=g1, D1=e1, I1=Tlak M1=(C) N1=C");
    EXPECT_EQ(cursor(), "$B$2");
    EXPECT_EQ(c().lblTon->text(), "2");
    EXPECT_TRUE(c().cmdPredchozi->isEnabled());
    // The next row is empty: the buttons stay marked for the next grip.
    EXPECT_TRUE(form->keyboard().isMarked(Side::Treble, 10));
    EXPECT_TRUE(dialogs.messages.empty());
    // Pull writes the pull tones; only basses write the direction alone.
    form->keyboard().release(Side::Treble);
    form->keyboard().release(Side::Bass);
    mark({10}, {1});
    form->recording().cmdTah_Click();
    EXPECT_EQ(row(2), "B2=e1, I2=Tah M2=(D)");
    form->keyboard().release(Side::Treble);
    form->keyboard().release(Side::Bass);
    mark({}, {2});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(row(3), "I3=Tlak M3=G");
    EXPECT_EQ(cursor(), "$B$4");
}

TEST_F(Record, NothingMarkedClearsTheRowAndStays) {
    putRow(1, {"c1,", "e1,"}, "Tlak", {"C"});
    goToRow(1);
    form->recording().cmdTlak_Click();
    EXPECT_EQ(row(1), "");
    EXPECT_EQ(cursor(), "$B$1");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Record, EightButtonsOfAHandWriteSevenAndSaySo) {
    mark({1, 2, 3, 4, 5, 6, 7, 8});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(dialogs.take(),
              said::Messages{said::critical(
                  "Diagnóza mnohoprstost.",
                  "Páč asi nemáte více než sedm prstů na pravé ruce, program se Vám na zápis "
                  "dalších knoflíků se vší úctou u tohoto hmatu vykašle. Sťěžovat si můžete u " +
                      services::ContactLine)});
    EXPECT_EQ(row(1), "B1=c4, C1=a3, D1=f3, E1=c3, F1=a2, G1=f2, H1=c2, I1=Tlak");
    EXPECT_TRUE(form->keyboard().isMarked(Side::Treble, 8));
    EXPECT_EQ(cursor(), "$B$2");

    form->keyboard().release(Side::Treble);
    mark({}, {1, 2, 3, 4, 5, 6, 7, 8});
    form->recording().cmdTlak_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].title, "Sdělení pro mutanty.");
    EXPECT_EQ(dialogs.messages[0].text,
              "Spočítejte si prosím prsty na levé ruce a pokud jich máte více než sedm, volejte "
              "odbornou pomoc: " +
                  services::ContactLine);
    EXPECT_EQ(row(2), "I2=Tlak M2=(G) N2=G O2=(C) P2=C Q2=(F) R2=F S2=D");
}

TEST_F(Record, AFollowingGripIsShownAfterRecordingTheLastRowKeepsTheMarksAndColour) {
    putRow(2, {"c1,"}, "Tah");
    mark({10});
    form->recording().cmdTlak_Click();
    EXPECT_FALSE(form->keyboard().isMarked(Side::Treble, 10));
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 11), 103);
    EXPECT_EQ(jakDal(), views::PullColour);
    EXPECT_EQ(cursor(), "$B$2");

    goToRow(3);
    views::setBackColour(c().cmdJakDal, views::PushColour);
    mark({10});
    form->recording().cmdTah_Click();
    EXPECT_TRUE(form->keyboard().isMarked(Side::Treble, 10));
    EXPECT_EQ(jakDal(), views::PushColour);
}

// The message names the button as the player finds it: its row and the number beside it in the
// numbering in use (Image1 is the inner row's top button: "12", in Trizonia 56 "11").
TEST_F(Record, AButtonWithoutAToneIsNotWrittenAndTheOthersStayPacked) {
    host().activeSheet().setName("Club C-F");  // buttons 1..3 and 11..13 missing
    mark({1, 14, 22}, {1, 5});                 // bass 5, shown as 11, missing too
    form->recording().cmdTlak_Click();
    const auto without = [](const QString& text) {
        return said::exclamation("Knoflík bez tónu.", text);
    };
    EXPECT_EQ(dialogs.take(),
              (said::Messages{without("Knoflík 12 ve vnitřní řadě nedává v ladění Club C-F při "
                                      "tlačení měchu žádný tón, proto nebyl zapsán."),
                              without("Basový knoflík 11 nedává v ladění Club C-F při tlačení "
                                      "měchu žádný tón, proto nebyl zapsán.")}));
    EXPECT_EQ(row(1), "B1=a3, C1=c1, I1=Tlak M1=(C)");
    EXPECT_EQ(cursor(), "$B$2");

    menu().mnuZnaceni[1]->trigger();
    form->recording().cmdTah_Click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Knoflík 11 ve vnitřní řadě nedává v ladění Club C-F při "
              "tažení měchu žádný tón, proto nebyl zapsán.");
}

// A message of a recording runs an event loop, where the automatic player's timer still ticks.
// Such a tick is dropped: it must not step the song while the grip is half written.
TEST_F(Record, ATickOfTheAutomaticPlayerDuringAMessageIsDropped) {
    host().activeSheet().setName("Club C-F");  // button 1 gives no tone
    putRow(2, {"c1,"}, "Tah", {"C"});
    goToRow(1);
    mark({1, 14}, {3});
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
    EXPECT_EQ(row(1), "B1=a3, I1=Tlak M1=(F)");
    EXPECT_EQ(row(2), "B2=c1, I2=Tah M2=C");
    EXPECT_EQ(cursor(), "$B$2");
}

TEST_F(OddTuning, AButtonIsLookedUpByItsWholeNumber) {
    mark({1});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(row(1), "B1=c4, I1=Tlak");
}

// Restoring a row after "Hmat nebyl zapsán." gives every cell back as it was: a number stays
// a number.
TEST_F(OddTuning, AButtonMissingFromTheTuningLeavesTheRowAsItWas) {
    putRow(1, {"x1,", "x2,"}, "Tah", {"B"});
    host().range("D1").setValue(CellValue::number(7.5));
    host().range("N1").setValue(CellValue::boolean(true));
    goToRow(1);
    mark({1, 5}, {3});
    form->recording().cmdTlak_Click();
    EXPECT_EQ(dialogs.messages,
              said::Messages{said::critical("Hmat nebyl zapsán.",
                                            "Knoflík 8 ve vnitřní řadě v ladění Zkušební chybí, "
                                            "hmat proto nebyl zapsán.")});
    EXPECT_EQ(row(1), "B1=x1, C1=x2, D1=7.5 I1=Tah M1=B N1=TRUE");
    EXPECT_TRUE(host().range("D1").value().isNumber());
    EXPECT_EQ(host().range("D1").value().numberValue(), 7.5);
    EXPECT_TRUE(host().range("N1").value().isBoolean());
    EXPECT_EQ(cursor(), "$B$1");
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
}

TEST_F(StaffNotes, NotesAreWrittenFromTheLowestUpWithTheDirection) {
    note(0, 6680);  // g1
    note(1, 6920);  // c1
    note(2, 6800);  // e1
    note(3, 6800);  // the same place again gives one tone
    form->staffEntry().cmdTahNoty_Click();
    EXPECT_EQ(row(1), "B1=c1, C1=e1, D1=g1, I1=Tah");
    EXPECT_EQ(cursor(), "$B$2");
    EXPECT_EQ(c().lblTon->text(), "2");
    EXPECT_TRUE(dialogs.messages.empty());
    // The notes stay on the staff for the next grip.
    EXPECT_EQ(form->staff().picNota[0]->twipTop(), 6680);
}

TEST_F(StaffNotes, AFlatAboveANoteLowersItAndSignsBesideTheStaffAreNotApplied) {
    note(0, 6440);  // d2
    flat(0, 6300);
    note(1, 5900);  // f3: a resting flat stands at 5760 = 5900 - 140
    note(2, 6020);  // d3: a flat put back lies at 5880 = 6020 - 140
    form->staff().picBecko[1]->moveTo(1830, 5880);
    form->staffEntry().cmdTlakNoty_Click();
    EXPECT_EQ(row(1), "B1=des2, C1=d3, D1=f3, I1=Tlak");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StaffNotes, NoNoteWritesTheDirectionAloneAndKeepsTheBasses) {
    putRow(1, {"c1,", "e1,"}, "Tah", {"C"});
    goToRow(1);
    form->staffEntry().cmdTlakNoty_Click();
    EXPECT_EQ(row(1), "I1=Tlak M1=C");
    EXPECT_EQ(cursor(), "$B$2");
}

TEST_F(StaffNotes, AFlatBeforeCStopsTheRowAfterTheLowerTones) {
    note(0, 7100);  // g,
    note(1, 6920);  // c1 with a flat: no ces
    flat(0, 6780);
    note(2, 6800);
    form->staffEntry().cmdTahNoty_Click();
    EXPECT_EQ(dialogs.messages,
              said::Messages{said::critical(
                  "Béčko na nesprávném místě !",
                  "Nota ces se nevyskytuje v žádném ladění u knoflovek.\rNota nebude zapsána ! "
                  "Opravte na h. (poslední tón předcházející oktávy)")});
    EXPECT_EQ(row(1), "B1=g,");
    EXPECT_EQ(cursor(), "$B$1");
}

TEST_F(StaffNotes, TheNextGripIsShownAfterWriting) {
    putRow(2, {"c1,"}, "Tlak");
    note(0, 6920);
    form->staffEntry().cmdTahNoty_Click();
    EXPECT_EQ(views::backColour(c().cmdJakDal), views::PushColour);
    EXPECT_TRUE(c().cmdPredchozi->isEnabled());
}
