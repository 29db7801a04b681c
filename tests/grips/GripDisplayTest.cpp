// The texts of the current grip and the release commands of the keyboard and the staff.
#include "support/ProgramFixture.h"

#include "grips/GripDisplay.h"
#include "grips/StaffState.h"
#include "services/VbError.h"
#include "songs/SongLayout.h"
#include "views/Keyboard.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using keyboard::Side;
using spreadsheet::CellValue;

namespace {

class GripText : public testing_support::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
        host().addWorkbook();
        form->connection().SongWorkbookName = host().activeWorkbook().name();
        for (int row = 1; row <= 6; ++row) {
            put(QStringLiteral("A%1").arg(row), QStringLiteral("sla%1").arg(row));
        }
    }
    void put(const QString& address, const QString& text) {
        host().range(address).setValue(CellValue(text));
    }
    void showRow(int row) {
        host().range(QStringLiteral("B%1").arg(row)).select();
        form->display().ShowGripText();
    }
    QStringList syllables() const {
        QStringList texts;
        for (QLabel* label : c().lblSlabika) {
            texts << label->text();
        }
        return texts;
    }
};

}  // namespace

TEST_F(GripText, TheSyllablesAroundTheGripBlankAboveTheFirstRow) {
    showRow(1);
    EXPECT_EQ(syllables(), (QStringList{"", "", "sla1", "sla2", "sla3"}));
    showRow(2);
    EXPECT_EQ(syllables(), (QStringList{"", "sla1", "sla2", "sla3", "sla4"}));
    showRow(4);
    EXPECT_EQ(syllables(), (QStringList{"sla2", "sla3", "sla4", "sla5", "sla6"}));
    showRow(8);
    EXPECT_EQ(syllables(), (QStringList{"sla6", "", "", "", ""}));
}

TEST_F(GripText, TheTrebleLineKeepsTheBlanksOfEmptyCells) {
    put(QStringLiteral("B3"), QStringLiteral("c1,"));
    put(QStringLiteral("C3"), QStringLiteral("e1,"));
    put(QStringLiteral("I3"), QStringLiteral("Tah"));
    c().lblPopisD->hide();
    showRow(3);
    EXPECT_EQ(c().lblTony->text(), QStringLiteral("c1, e1,      Tah "));
    EXPECT_FALSE(c().lblPopisD->isHidden());
    put(QStringLiteral("J3"), QStringLiteral("x"));
    showRow(3);
    EXPECT_EQ(c().lblTony->text(), QStringLiteral("c1, e1,      Tah x"));
}

TEST_F(GripText, TheBassLineJoinsMAndNThenOneBlankBeforeEachOfOToU) {
    showRow(2);
    EXPECT_EQ(c().lblBasy->text(), QStringLiteral("       "));
    put(QStringLiteral("M2"), QStringLiteral("(C)"));
    put(QStringLiteral("N2"), QStringLiteral("C"));
    showRow(2);
    EXPECT_EQ(c().lblBasy->text(), QStringLiteral("(C)C       "));
    put(QStringLiteral("U2"), QStringLiteral("u"));
    put(QStringLiteral("O2"), QStringLiteral("G"));
    showRow(2);
    EXPECT_EQ(c().lblBasy->text(), QStringLiteral("(C)C G      u"));
    EXPECT_FALSE(c().lblPopisB->isHidden());
}

TEST_F(GripText, ClearingBlanksAndHidesTheLines) {
    put(QStringLiteral("B1"), QStringLiteral("c1,"));
    showRow(1);
    form->display().ClearGripText();
    EXPECT_EQ(syllables(), (QStringList{"", "", "", "", ""}));
    EXPECT_TRUE(c().lblTony->text().isEmpty());
    EXPECT_TRUE(c().lblBasy->text().isEmpty());
    EXPECT_TRUE(c().lblPopisD->isHidden());
    EXPECT_TRUE(c().lblPopisB->isHidden());
}

TEST_F(GripText, TheReleaseCommandsPutEverythingBack) {
    auto& keys = form->keyboard();
    auto& staff = form->staff();
    keys.Obr_Click(3);
    keys.setPicture(Side::Treble, 4, 105);
    keys.ObrBas_Click(2);
    staff.imgNota[0]->moveTo(3450, 6500);
    staff.imgNota[0]->show();
    staff.picNota[1]->drop(3450, 6500);
    staff.picBecko[0]->drop(3240, 6300);
    staff.picKrizek[4]->drop(3150, 6390);

    c().cmdUvolBasy->click();
    EXPECT_FALSE(keys.isMarked(Side::Bass, 2));
    EXPECT_TRUE(keys.isMarked(Side::Treble, 3));

    c().cmdUvolDiskant->click();
    EXPECT_FALSE(keys.isMarked(Side::Treble, 3));
    EXPECT_EQ(keys.pictureOf(Side::Treble, 4), 101);
    EXPECT_TRUE(staff.imgNota[0]->isHidden());
    EXPECT_EQ(staff.imgNota[0]->twipTop(), 7340);
    EXPECT_EQ(staff.picNota[1]->twipTop(), 6500);  // the entry notes stay

    c().cmdUvolNoty->click();
    EXPECT_EQ(staff.picNota[1]->twipLeft(), 2760);
    EXPECT_EQ(staff.picNota[1]->twipTop(), 5880);
    EXPECT_EQ(staff.flat(0).top, 6300);  // sharps and flats stay

    c().cmdUvolniPultony->click();
    EXPECT_EQ(staff.flat(0).left, 2280);
    EXPECT_EQ(staff.flat(0).top, 5760);
    EXPECT_EQ(staff.sharp(4).left, 1320);
    EXPECT_EQ(staff.sharp(4).top, 5760);
}

TEST_F(GripText, UvolnitVseFromTheMenuReleasesKeyboardNotesAndSigns) {
    auto& keys = form->keyboard();
    auto& staff = form->staff();
    keys.Obr_Click(37);
    keys.ObrBas_Click(12);
    staff.picNota[4]->drop(3450, 5420);
    staff.picBecko[2]->drop(3240, 6300);
    menu().mnuUvolnitVse->trigger();
    EXPECT_FALSE(keys.isMarked(Side::Treble, 37));
    EXPECT_FALSE(keys.isMarked(Side::Bass, 12));
    EXPECT_EQ(staff.picNota[4]->twipLeft(), 2835);
    EXPECT_EQ(staff.flat(2).left, 2100);
    keys.Obr_Click(1);
    keys.ObrBas_Click(1);
    menu().mnuUvolnitKnofliky->trigger();
    EXPECT_FALSE(keys.isMarked(Side::Treble, 1));
    EXPECT_FALSE(keys.isMarked(Side::Bass, 1));
}

TEST_F(GripText, SelectGripCellPutsTheCursorInColumnBOfItsRow) {
    host().range(QStringLiteral("K9")).select();
    songs::SelectGripCell(host());
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$9"));
}

// The command line's keyboard and staff, kept without widgets, answer as the window's do.
TEST_F(GripText, TheKeyboardAndStaffWithoutWidgetsAnswerAsTheWindows) {
    keyboard::KeyboardState keys;
    grips::StaffState staff;
    for (keyboard::KeyboardView* view : {static_cast<keyboard::KeyboardView*>(&keys),
                                         static_cast<keyboard::KeyboardView*>(&form->keyboard())}) {
        view->mark(Side::Treble, 3);
        view->mark(Side::Bass, 12);
        view->setPicture(Side::Bass, 12, 111);
        view->setPicture(Side::Treble, 4, 105);
        view->release(Side::Treble);
        EXPECT_THROW(view->mark(Side::Treble, 38), services::VbError);
        EXPECT_THROW(view->pictureOf(Side::Bass, 0), services::VbError);
    }
    for (const auto& [side, count] : {std::pair{Side::Treble, 37}, std::pair{Side::Bass, 12}}) {
        for (int n = 1; n <= count; ++n) {
            EXPECT_EQ(keys.isMarked(side, n), form->keyboard().isMarked(side, n)) << n;
            EXPECT_EQ(keys.pictureOf(side, n), form->keyboard().pictureOf(side, n)) << n;
        }
    }
    for (grips::StaffView* view :
         {static_cast<grips::StaffView*>(&staff), static_cast<grips::StaffView*>(&form->staff())}) {
        view->showAt(grips::StaffSign::Flat, 1, 6500);
        view->hideShownTones();
    }
    for (int i = 0; i < 5; ++i) {
        for (auto sign :
             {grips::StaffSign::Note, grips::StaffSign::Flat, grips::StaffSign::Sharp}) {
            EXPECT_EQ(staff.shownTop(sign, i), form->staff().shownTop(sign, i)) << i;
        }
        EXPECT_EQ(staff.entryNoteTop(i), form->staff().entryNoteTop(i)) << i;
        EXPECT_EQ(staff.flat(i).left, form->staff().flat(i).left) << i;
        EXPECT_EQ(staff.sharp(i).left, form->staff().sharp(i).left) << i;
    }
}
