// Showing a grip: the buttons that give its tones lit in the direction's colours, its notes and
// signs on the staff, every message for what the tuning lacks, the texts of the current grip,
// and the release commands of the keyboard and the staff.
#include "grips/SongTest.h"

#include "grips/GripDisplay.h"
#include "grips/GripReader.h"
#include "grips/StaffState.h"
#include "services/Contact.h"
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

class ShowGrip : public SongTest {
protected:
    // Overlays that do not show the rest picture: "N:picture".
    QStringList lit(Side side) {
        QStringList shown;
        for (int n = 1; n <= (side == Side::Treble ? 37 : 12); ++n) {
            const int picture = form->keyboard().pictureOf(side, n);
            if (picture != 101 && picture != 107) {
                shown << QStringLiteral("%1:%2").arg(n).arg(picture);
            }
        }
        return shown;
    }
    static QStringList tops(const std::array<views::TwipPicture*, 5>& pictures) {
        QStringList tops;
        for (const views::TwipPicture* p : pictures) {
            if (!p->isHidden()) {
                tops << QString::number(p->twipTop());
            }
        }
        return tops;
    }
    // Everything lit and drawn: "treble 10:105 | bass 3:111 | notes 6920 | flats 6420".
    QString shown() {
        const auto& staff = form->staff();
        const std::pair<QString, QStringList> parts[] = {{"treble", lit(Side::Treble)},
                                                         {"bass", lit(Side::Bass)},
                                                         {"notes", tops(staff.imgNota)},
                                                         {"flats", tops(staff.imgBecko)},
                                                         {"sharps", tops(staff.imgKrizek)}};
        QStringList nonEmpty;
        for (const auto& [label, items] : parts) {
            if (!items.isEmpty()) {
                nonEmpty << (QStringList{label} + items).join(u' ');
            }
        }
        return nonEmpty.join(" | ");
    }
    // The grip written in row 1 and shown by the command of its direction.
    void show(const QStringList& treble, const QString& direction, const QStringList& basses = {}) {
        putRow(1, treble, direction, basses);
        goToRow(1);
        (direction == "Tah" ? c().cmdReadTah : c().cmdReadTlak)->click();
    }
};

class GripText : public ShowGrip {
protected:
    void SetUp() override {
        ShowGrip::SetUp();
        for (int row = 1; row <= 6; ++row) {
            put(QStringLiteral("A%1").arg(row), QStringLiteral("sla%1").arg(row));
        }
    }
    void showRow(int row) {
        goToRow(row);
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

said::Message missingTone(const QString& tone) {
    return said::critical("Neexistující tón.",
                          "Tón " + tone +
                              " při tlačení měchu na této knoflovce neexistuje !\rNeregistruji "
                              "pro tento tón ani žádné alternativní pojmenování.");
}

const said::Message mnohoprstost = said::critical(
    "Mnohoprstost !",
    "Maximální počet současně stisknutých knoflíků pravou rukou je pět.\rJe to podle počtu prstů "
    "na pravé ruce.\rJestliže jste víceprstý mutant, kontaktujte prosím autora a bude\rpro Vás "
    "zdarma vyrobena specielní verze Mechíka.");

}  // namespace

TEST_F(ShowGrip, APushGripLightsEveryButtonOfItsTonesAndDrawsTheNotes) {
    show({"c1,", "e1,", "g1,"}, "Tlak", {"(C)", "C"});
    // c1, is on buttons 10 and 21 (row 11 is met first), g1, on 19 and 31.
    EXPECT_EQ(shown(),
              "treble 10:105 19:105 20:105 21:106 31:106 | bass 3:111 4:111 | "
              "notes 6920 6800 6680");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(cursor(), "$B$1");
    EXPECT_EQ(c().lblBasy->text(), "(C) C       ");
    EXPECT_EQ(jakDal(), views::SystemInactiveBorder);
}

TEST_F(ShowGrip, TheSameTonesUnderPullShowTheOtherBellowsButtons) {
    show({"c1,", "cis1,", "b1,"}, "Tah", {"(B)"});
    // Pull: c1, on 11 and 33; cis1, on no button (es1,/des1, neither); b1, on 8. The flat of
    // b1, uses the first sign image (7200 - 780): the missing tone drew nothing.
    EXPECT_EQ(shown(),
              "treble 8:103 11:103 33:104 | bass 10:109 12:110 | notes 6920 6560 | flats 6420");
    EXPECT_EQ(dialogs.messages,
              said::Messages{said::critical("Neexistující tón.",
                                            "Tón cis1, ani jeho alternativní název des1, při "
                                            "tažení měchu na této knoflovce neexistuje !")});
}

TEST_F(ShowGrip, AToneFoundOnlyByItsOtherSpellingIsDrawnAsThatSpelling) {
    show({"des1,"}, "Tlak");  // the tuning has cis1, on push (button 37); 7240 - 420
    EXPECT_EQ(shown(), "treble 37:105 | notes 6920 | sharps 6820");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ShowGrip, AToneWithoutOtherSpellingIsReportedAndTheNextIsShown) {
    show({"d4,", "c1,"}, "Tlak");
    EXPECT_EQ(dialogs.messages, said::Messages{missingTone("d4,")});
    EXPECT_EQ(lit(Side::Treble), (QStringList{"10:105", "21:106"}));
}

TEST_F(ShowGrip, SixTonesDrawFiveNotesThenSayMnohoprstost) {
    show({"c1,", "e1,", "g1,", "c2,", "e2,", "g2,"}, "Tlak");
    EXPECT_EQ(tops(form->staff().imgNota).size(), 5);
    EXPECT_EQ(dialogs.messages, said::Messages{mnohoprstost});
    // The sixth tone's buttons are already lit (g2, on 16 and 28).
    EXPECT_TRUE(lit(Side::Treble).contains("16:105"));
}

// Five tones with signs use all five sign images; the sixth still ends with "Mnohoprstost !".
TEST_F(ShowGrip, ASixthToneAfterFiveSignedTonesIsMnohoprstostToo) {
    show({"b,", "b1,", "fis1,", "gis1,", "es1,", "fis2,"}, "Tah");
    EXPECT_EQ(dialogs.titles(), QStringList{"Mnohoprstost !"});
    EXPECT_EQ(tops(form->staff().imgNota).size(), 5);
}

TEST_F(ShowGrip, TheWalkReachingTheDirectionColumnAsksHowManyFingers) {
    show({"c1,", "e1,", "d4,", "e4,", "g1,", "c2,", "e2,"}, "Tlak");
    EXPECT_EQ(dialogs.titles(),
              (QStringList{"Neexistující tón.", "Neexistující tón.", "Kolik máte prstů ?"}));
    EXPECT_EQ(dialogs.messages.back().text,
              "Maximální počet současně stisknutých knoflíků je sedm.\r\nPřípadné další zapsané "
              "tóny v tomto hmatu budou ignorovány.");
    EXPECT_EQ(tops(form->staff().imgNota).size(), 5);
}

TEST_F(ShowGrip, AnEmptyTrebleShowsOnlyTheBasses) {
    show({}, "Tlak", {"G", "Fis"});
    EXPECT_EQ(shown(), "bass 2:111");
    EXPECT_EQ(dialogs.messages,
              said::Messages{said::critical("Neexistující bas.",
                                            "Basový tón Fis při tlačení měchu na této knoflovce "
                                            "neexistuje !")});
}

TEST_F(ShowGrip, ASongOfAnUnknownTuningOrAClosedOneCannotBeShown) {
    host().activeSheet().setName("H-E-A");
    show({"c1,"}, "Tlak", {"C"});
    EXPECT_EQ(dialogs.titles(),
              (QStringList{"Chyba při výběru ladění !", "Chyba při výběru ladění !"}));
    EXPECT_EQ(shown(), "");

    dialogs.messages.clear();
    host().workbook(form->connection().SongWorkbookName).close();
    form->reader().cmdReadTlak_Click();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].title, "Nenalezena externí aplikace.");
    EXPECT_EQ(dialogs.messages[0].text,
              "Soubor nelze aktivovat !\r\nUživatel, nebo jiný program zavřel Excel.\r\nTato "
              "chyba může způsobit nestabilitu systému !");
}

namespace {

// A tuning whose columns are full of names that merely contain the tones of the row.
class HardLookup : public ShowGrip {
protected:
    void prepareTrialSheet() override {
        trial->setValue({1, 1}, CellValue("Knoflík"));
        for (int row = 2; row <= 38; ++row) {
            trial->setValue({row, 1}, CellValue::number(row - 1));
            trial->setValue({row, 2}, CellValue(row % 2 ? "des1," : "ges1,"));
        }
        trial->setValue({38, 2}, CellValue("es1,"));
        trial->setValue({37, 2}, CellValue("as1,"));
        int row = 2;
        for (const char* bass : {"(C)", "C dur", "(Cm)", "Cis", "Ces", "C"}) {
            trial->setValue({row++, 6}, CellValue(bass));
        }
    }
};

// A player's own tuning with tones in rows whose column A names no button of the keyboard:
// the title row, a treble row past the 37 buttons, a bass row without a number.
class TonesBesideTheButtons : public ShowGrip {
protected:
    void prepareTrialSheet() override {
        trial->setValue({1, 1}, CellValue("Knoflík"));
        trial->setValue({1, 2}, CellValue("h4,"));
        trial->setValue({2, 1}, CellValue::number(1));
        trial->setValue({2, 2}, CellValue("c1,"));
        trial->setValue({40, 1}, CellValue::number(39));
        trial->setValue({40, 2}, CellValue("d1,"));
        trial->setValue({5, 6}, CellValue("Fis"));
    }
};

}  // namespace

// Every tone the tuning holds is found, however many cells merely contain it.
TEST_F(HardLookup, ATuningFullOfPartialMatchesStillShowsEveryTone) {
    host().activeSheet().setName("Zkušební");
    show({"es1,", "as1,", "es1,"}, "Tlak", {"C"});
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.titles().join(u',').toStdString();
    EXPECT_EQ(lit(Side::Treble), (QStringList{"36:105", "37:105"}));
    EXPECT_EQ(lit(Side::Bass), QStringList{"6:111"});
}

// What was shown before the faulty tone stays; the display of that hand ends with the message.
TEST_F(TonesBesideTheButtons, AToneOfNoButtonEndsTheDisplayWithTheUnexpectedError) {
    const said::Message noSuchButton =
        said::critical("Neočekávaná chyba !",
                       "Volejte firmu " + services::ContactLine + " a sdělte číslo chyby 340");
    host().activeSheet().setName("Zkušební");
    putRow(2, {"h4,"}, "Tlak");
    show({"c1,", "d1,", "c1,"}, "Tlak", {"Fis"});
    EXPECT_EQ(dialogs.take(), (said::Messages{noSuchButton, noSuchButton}));
    EXPECT_EQ(shown(), "treble 1:105 | notes 6920");
    EXPECT_EQ(cursor(), "$B$1");

    c().cmdDalsiTlak->click();
    EXPECT_EQ(dialogs.messages, said::Messages{noSuchButton});
    EXPECT_EQ(c().lblTon->text(), "2");
}

TEST_F(GripText, TheSyllablesAroundTheGripBlankAboveTheFirstRow) {
    const std::pair<int, QStringList> shown[] = {{1, {"", "", "sla1", "sla2", "sla3"}},
                                                 {2, {"", "sla1", "sla2", "sla3", "sla4"}},
                                                 {4, {"sla2", "sla3", "sla4", "sla5", "sla6"}},
                                                 {8, {"sla6", "", "", "", ""}}};
    for (const auto& [row, texts] : shown) {
        showRow(row);
        EXPECT_EQ(syllables(), texts) << row;
    }
    form->display().ClearGripText();
    EXPECT_EQ(syllables(), (QStringList{"", "", "", "", ""}));
}

TEST_F(GripText, TheTrebleLineKeepsBlanksTheBassLineJoinsMAndNAndClearingHidesThem) {
    put("B3", "c1,");
    put("C3", "e1,");
    put("I3", "Tah");
    c().lblPopisD->hide();
    showRow(3);
    EXPECT_EQ(c().lblTony->text(), "c1, e1,      Tah ");
    EXPECT_FALSE(c().lblPopisD->isHidden());
    EXPECT_EQ(c().lblBasy->text(), "       ");
    put("J3", "x");
    put("M3", "(C)");
    put("N3", "C");
    showRow(3);
    EXPECT_EQ(c().lblTony->text(), "c1, e1,      Tah x");
    EXPECT_EQ(c().lblBasy->text(), "(C)C       ");
    // One blank before each of O to U.
    put("U3", "u");
    put("O3", "G");
    showRow(3);
    EXPECT_EQ(c().lblBasy->text(), "(C)C G      u");
    EXPECT_FALSE(c().lblPopisB->isHidden());

    form->display().ClearGripText();
    EXPECT_EQ(c().lblTony->text(), "");
    EXPECT_EQ(c().lblBasy->text(), "");
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
    keys.Obr_Click(37);
    keys.ObrBas_Click(12);
    form->staff().picNota[4]->drop(3450, 5420);
    form->staff().picBecko[2]->drop(3240, 6300);
    menu().mnuUvolnitVse->trigger();
    EXPECT_FALSE(keys.isMarked(Side::Treble, 37));
    EXPECT_FALSE(keys.isMarked(Side::Bass, 12));
    EXPECT_EQ(form->staff().picNota[4]->twipLeft(), 2835);
    EXPECT_EQ(form->staff().flat(2).left, 2100);
    keys.Obr_Click(1);
    keys.ObrBas_Click(1);
    menu().mnuUvolnitKnofliky->trigger();
    EXPECT_FALSE(keys.isMarked(Side::Treble, 1));
    EXPECT_FALSE(keys.isMarked(Side::Bass, 1));
    // The cursor of a grip is in column B of its row.
    host().range("K9").select();
    songs::SelectGripCell(host());
    EXPECT_EQ(cursor(), "$B$9");
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
