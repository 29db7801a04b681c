// Showing a grip: the buttons that give its tones lit in the direction's colours, its notes and
// signs on the staff, and every message for what the tuning lacks.
#include "support/SongFixture.h"

#include "grips/GripReader.h"
#include "services/Contact.h"
#include "views/Keyboard.h"
#include "views/StaffPictures.h"
#include "views/TwipPicture.h"

#include <QLabel>
#include <QPushButton>

using keyboard::Side;
using services::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class ShowGrip : public testing_support::SongFixture {
protected:
    // Overlays that do not show the rest picture: "N:picture".
    QStringList lit(Side side) {
        QStringList shown;
        const int count = side == Side::Treble ? 37 : 12;
        for (int n = 1; n <= count; ++n) {
            const int picture = form->keyboard().pictureOf(side, n);
            if (picture != 101 && picture != 107) {
                shown << QStringLiteral("%1:%2").arg(n).arg(picture);
            }
        }
        return shown;
    }
    QStringList staffTops(const std::array<views::TwipPicture*, 5>& pictures) {
        QStringList tops;
        for (const views::TwipPicture* p : pictures) {
            if (!p->isHidden()) {
                tops << QString::number(p->twipTop());
            }
        }
        return tops;
    }
    QStringList titles() const { return dialogs.titles(); }
};

}  // namespace

TEST_F(ShowGrip, APushGripLightsEveryButtonOfItsTonesAndDrawsTheNotes) {
    putRow(1, {"c1,", "e1,", "g1,"}, "Tlak", {"(C)", "C"});
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    // c1, is on buttons 10 and 21 (row 11 is met first), g1, on 19 and 31.
    EXPECT_EQ(lit(Side::Treble), (QStringList{"10:105", "19:105", "20:105", "21:106", "31:106"}));
    EXPECT_EQ(lit(Side::Bass), (QStringList{"3:111", "4:111"}));
    EXPECT_EQ(staffTops(form->staff().imgNota), (QStringList{"6920", "6800", "6680"}));
    EXPECT_TRUE(staffTops(form->staff().imgKrizek).isEmpty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$1"));
    EXPECT_EQ(c().lblBasy->text(), QStringLiteral("(C) C       "));
    EXPECT_EQ(jakDal(), views::SystemInactiveBorder);
}

TEST_F(ShowGrip, TheSameTonesUnderPullShowTheOtherBellowsButtons) {
    putRow(1, {"c1,", "cis1,", "b1,"}, "Tah", {"(B)"});
    goToRow(1);
    form->reader().cmdReadTah_Click();
    // Pull: c1, on 11 and 33; cis1, on no button (es1,/des1, neither) -> message; b1, on 8.
    EXPECT_EQ(lit(Side::Treble), (QStringList{"8:103", "11:103", "33:104"}));
    EXPECT_EQ(lit(Side::Bass), (QStringList{"10:109", "12:110"}));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{
                  "Neexistující tón.",
                  "Tón cis1, ani jeho alternativní název des1, při tažení měchu na této knoflovce "
                  "neexistuje !",
                  MessageIcon::Critical, services::MessageButtons::Ok}));
    // The flat of b1, uses the first sign image: the missing tone drew nothing.
    EXPECT_EQ(staffTops(form->staff().imgBecko), (QStringList{QString::number(7200 - 780)}));
    EXPECT_EQ(staffTops(form->staff().imgNota), (QStringList{"6920", "6560"}));
}

TEST_F(ShowGrip, AToneFoundOnlyByItsOtherSpellingIsDrawnAsThatSpelling) {
    putRow(1, {"des1,"}, "Tlak");  // the tuning has cis1, on push (button 37)
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    EXPECT_EQ(lit(Side::Treble), (QStringList{"37:105"}));
    EXPECT_EQ(staffTops(form->staff().imgKrizek), (QStringList{QString::number(7240 - 420)}));
    EXPECT_EQ(staffTops(form->staff().imgNota), (QStringList{"6920"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ShowGrip, AToneWithoutOtherSpellingIsReportedAndTheNextIsShown) {
    putRow(1, {"d4,", "c1,"}, "Tlak");
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text,
        QStringLiteral("Tón d4, při tlačení měchu na této knoflovce neexistuje !\rNeregistruji "
                       "pro tento tón ani žádné alternativní pojmenování."));
    EXPECT_EQ(lit(Side::Treble), (QStringList{"10:105", "21:106"}));
}

TEST_F(ShowGrip, SixTonesDrawFiveNotesThenSayMnohoprstost) {
    putRow(1, {"c1,", "e1,", "g1,", "c2,", "e2,", "g2,"}, "Tlak");
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    EXPECT_EQ(staffTops(form->staff().imgNota).size(), 5);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{
                  "Mnohoprstost !",
                  "Maximální počet současně stisknutých knoflíků pravou rukou je pět.\rJe to podle "
                  "počtu prstů na pravé ruce.\rJestliže jste víceprstý mutant, kontaktujte prosím "
                  "autora a bude\rpro Vás zdarma vyrobena specielní verze Mechíka.",
                  MessageIcon::Critical, services::MessageButtons::Ok}));
    // The sixth tone's buttons are already lit (g2, on 16 and 28).
    EXPECT_TRUE(lit(Side::Treble).contains(QStringLiteral("16:105")));
}

// Five tones with signs use all five sign images; the sixth still ends with "Mnohoprstost !".
TEST_F(ShowGrip, ASixthToneAfterFiveSignedTonesIsMnohoprstostToo) {
    putRow(1, {"b,", "b1,", "fis1,", "gis1,", "es1,", "fis2,"}, "Tah");
    goToRow(1);
    form->reader().cmdReadTah_Click();
    EXPECT_EQ(titles(), QStringList{"Mnohoprstost !"});
    EXPECT_EQ(staffTops(form->staff().imgNota).size(), 5);
}

TEST_F(ShowGrip, TheWalkReachingTheDirectionColumnAsksHowManyFingers) {
    putRow(1, {"c1,", "e1,", "d4,", "e4,", "g1,", "c2,", "e2,"}, "Tlak");
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    EXPECT_EQ(titles(),
              (QStringList{"Neexistující tón.", "Neexistující tón.", "Kolik máte prstů ?"}));
    EXPECT_EQ(dialogs.messages.back().text,
              QStringLiteral("Maximální počet současně stisknutých knoflíků je sedm.\r\nPřípadné "
                             "další zapsané tóny v tomto hmatu budou ignorovány."));
    EXPECT_EQ(staffTops(form->staff().imgNota).size(), 5);
}

TEST_F(ShowGrip, AnEmptyTrebleShowsOnlyTheBasses) {
    putRow(1, {}, "Tlak", {"G", "Fis"});
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    EXPECT_TRUE(lit(Side::Treble).isEmpty());
    EXPECT_EQ(lit(Side::Bass), QStringList{"2:111"});
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{"Neexistující bas.",
                                        "Basový tón Fis při tlačení měchu na této knoflovce "
                                        "neexistuje !",
                                        MessageIcon::Critical, services::MessageButtons::Ok}));
}

TEST_F(ShowGrip, ASongOfAnUnknownTuningIsRefusedForTrebleAndBass) {
    putRow(1, {"c1,"}, "Tlak", {"C"});
    host().activeSheet().setName(QStringLiteral("H-E-A"));
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    EXPECT_EQ(titles(), (QStringList{"Chyba při výběru ladění !", "Chyba při výběru ladění !"}));
    EXPECT_TRUE(lit(Side::Treble).isEmpty());
    EXPECT_TRUE(lit(Side::Bass).isEmpty());
}

TEST_F(ShowGrip, AClosedSongCannotBeShown) {
    putRow(1, {"c1,"}, "Tlak");
    host().workbook(form->connection().SongWorkbookName).close();
    form->reader().cmdReadTlak_Click();
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Nenalezena externí aplikace."));
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Soubor nelze aktivovat !\r\nUživatel, nebo jiný program zavřel "
                             "Excel.\r\nTato chyba může způsobit nestabilitu systému !"));
}

namespace {

// A tuning whose columns are full of names that merely contain the tones of the row.
class HardLookup : public ShowGrip {
protected:
    void prepareTrialSheet() override {
        trial->setValue({1, 1}, spreadsheet::CellValue(QStringLiteral("Knoflík")));
        for (int row = 2; row <= 38; ++row) {
            trial->setValue({row, 1}, spreadsheet::CellValue::number(row - 1));
            trial->setValue({row, 2}, spreadsheet::CellValue(row % 2 ? QStringLiteral("des1,")
                                                                     : QStringLiteral("ges1,")));
        }
        trial->setValue({38, 2}, spreadsheet::CellValue(QStringLiteral("es1,")));
        trial->setValue({37, 2}, spreadsheet::CellValue(QStringLiteral("as1,")));
        trial->setValue({2, 6}, spreadsheet::CellValue(QStringLiteral("(C)")));
        trial->setValue({3, 6}, spreadsheet::CellValue(QStringLiteral("C dur")));
        trial->setValue({4, 6}, spreadsheet::CellValue(QStringLiteral("(Cm)")));
        trial->setValue({5, 6}, spreadsheet::CellValue(QStringLiteral("Cis")));
        trial->setValue({6, 6}, spreadsheet::CellValue(QStringLiteral("Ces")));
        trial->setValue({7, 6}, spreadsheet::CellValue(QStringLiteral("C")));
    }
};

}  // namespace

// Every tone the tuning holds is found, however many cells merely contain it.
TEST_F(HardLookup, ATuningFullOfPartialMatchesStillShowsEveryTone) {
    host().activeSheet().setName(QStringLiteral("Zkušební"));
    putRow(1, {"es1,", "as1,", "es1,"}, "Tlak", {"C"});
    goToRow(1);
    form->reader().cmdReadTlak_Click();
    EXPECT_TRUE(dialogs.messages.empty()) << titles().join(u',').toStdString();
    EXPECT_EQ(lit(Side::Treble), (QStringList{"36:105", "37:105"}));
    EXPECT_EQ(lit(Side::Bass), QStringList{"6:111"});
}

namespace {

// A player's own tuning with tones in rows whose column A names no button of the keyboard:
// the title row, a treble row past the 37 buttons, a bass row without a number.
class TonesBesideTheButtons : public ShowGrip {
protected:
    void prepareTrialSheet() override {
        trial->setValue({1, 1}, spreadsheet::CellValue(QStringLiteral("Knoflík")));
        trial->setValue({1, 2}, spreadsheet::CellValue(QStringLiteral("h4,")));
        trial->setValue({2, 1}, spreadsheet::CellValue::number(1));
        trial->setValue({2, 2}, spreadsheet::CellValue(QStringLiteral("c1,")));
        trial->setValue({40, 1}, spreadsheet::CellValue::number(39));
        trial->setValue({40, 2}, spreadsheet::CellValue(QStringLiteral("d1,")));
        trial->setValue({5, 6}, spreadsheet::CellValue(QStringLiteral("Fis")));
    }
};

const ScriptedDialogs::Message noSuchButton{
    "Neočekávaná chyba !", "Volejte firmu " + services::ContactLine + " a sdělte číslo chyby 340",
    MessageIcon::Critical, services::MessageButtons::Ok};

}  // namespace

// What was shown before the faulty tone stays; the display of that hand ends with the message.
TEST_F(TonesBesideTheButtons, AToneOfNoButtonEndsTheDisplayWithTheUnexpectedError) {
    host().activeSheet().setName(QStringLiteral("Zkušební"));
    putRow(1, {"c1,", "d1,", "c1,"}, "Tlak", {"Fis"});
    putRow(2, {"h4,"}, "Tlak");
    goToRow(1);
    c().cmdReadTlak->click();
    EXPECT_EQ(dialogs.messages,
              (std::vector<ScriptedDialogs::Message>{noSuchButton, noSuchButton}));
    EXPECT_EQ(lit(Side::Treble), QStringList{"1:105"});
    EXPECT_EQ(staffTops(form->staff().imgNota).size(), 1);
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$B$1"));

    dialogs.messages.clear();
    c().cmdDalsiTlak->click();
    EXPECT_EQ(dialogs.messages, std::vector<ScriptedDialogs::Message>{noSuchButton});
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("2"));
}
