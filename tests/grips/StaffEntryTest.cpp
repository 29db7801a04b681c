// Writing a grip from notes placed on the staff.
#include "support/SongFixture.h"

#include "grips/StaffEntry.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"

#include <QLabel>

using services::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class StaffNotes : public testing_support::SongFixture {
protected:
    void note(int i, int top) { form->staff().picNota[i]->drop(3450, top); }
    void flat(int i, int top) { form->staff().picBecko[i]->drop(3240, top); }
    void sharp(int i, int top) { form->staff().picKrizek[i]->drop(3150, top); }
    QStringList treble(int row) { return rowCells(row, 2, 8); }
};

}  // namespace

TEST_F(StaffNotes, NotesAreWrittenFromTheLowestUpWithTheDirection) {
    note(0, 6680);  // g1
    note(1, 6920);  // c1
    note(2, 6800);  // e1
    note(3, 6800);  // the same place again gives one tone
    form->staffEntry().cmdTahNoty_Click();
    EXPECT_EQ(treble(1), (QStringList{"c1,", "e1,", "g1,", "", "", "", "", "Tah"}));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("2"));
    EXPECT_TRUE(dialogs.messages.empty());
    // The notes stay on the staff for the next grip.
    EXPECT_EQ(form->staff().picNota[0]->twipTop(), 6680);
}

TEST_F(StaffNotes, AFlatAboveANoteLowersIt) {
    note(0, 6440);  // d2
    flat(0, 6300);
    form->staffEntry().cmdTlakNoty_Click();
    EXPECT_EQ(treble(1)[0], QStringLiteral("des2,"));
}

TEST_F(StaffNotes, NoNoteWritesTheDirectionAloneAndKeepsTheBasses) {
    putRow(1, {"c1,", "e1,"}, "Tah", {"C"});
    goToRow(1);
    form->staffEntry().cmdTlakNoty_Click();
    EXPECT_EQ(treble(1), (QStringList{"", "", "", "", "", "", "", "Tlak"}));
    EXPECT_EQ(cell(QStringLiteral("M1")), QStringLiteral("C"));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$2"));
}

TEST_F(StaffNotes, AFlatBeforeCStopsTheRowAfterTheLowerTones) {
    note(0, 7100);  // g,
    note(1, 6920);  // c1 with a flat: no ces
    flat(0, 6780);
    note(2, 6800);
    form->staffEntry().cmdTahNoty_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0], (ScriptedDialogs::Message{
                                       "Béčko na nesprávném místě !",
                                       "Nota ces se nevyskytuje v žádném ladění u knoflovek.\rNota "
                                       "nebude zapsána ! Opravte na h. (poslední tón předcházející "
                                       "oktávy)",
                                       MessageIcon::Critical, services::MessageButtons::Ok}));
    EXPECT_EQ(treble(1), (QStringList{"g,", "", "", "", "", "", "", ""}));
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$1"));
}

// Signs resting beside the staff mark no note, even level with one.
TEST_F(StaffNotes, SignsBesideTheStaffAreNotApplied) {
    note(0, 5900);  // f3: a resting flat stands at 5760 = 5900 - 140
    note(1, 6020);  // d3: a flat put back lies at 5880 = 6020 - 140
    form->staff().picBecko[1]->moveTo(1830, 5880);
    form->staffEntry().cmdTlakNoty_Click();
    EXPECT_EQ(treble(1)[0], QStringLiteral("d3,"));
    EXPECT_EQ(treble(1)[1], QStringLiteral("f3,"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StaffNotes, TheNextGripIsShownAfterWriting) {
    putRow(2, {"c1,"}, "Tlak");
    note(0, 6920);
    form->staffEntry().cmdTahNoty_Click();
    EXPECT_EQ(views::backColour(c().cmdJakDal), views::PushColour);
    EXPECT_TRUE(c().cmdPredchozi->isEnabled());
}
