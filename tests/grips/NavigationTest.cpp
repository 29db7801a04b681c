// Stepping through a song: where the cursor goes, what the backward commands do, the last grip.
#include "support/SongFixture.h"

#include "grips/Navigation.h"
#include "views/Keyboard.h"

#include <QLabel>
#include <QPushButton>

using keyboard::Side;

namespace {

class Navigate : public testing_support::SongFixture {
protected:
    void song(int grips) {
        for (int row = 1; row <= grips; ++row) {
            putRow(row, {"c1,"}, row % 2 ? "Tlak" : "Tah");
            put(QStringLiteral("A%1").arg(row), QStringLiteral("sla%1").arg(row));
        }
    }
    grips::Navigation& go() { return form->navigation(); }
    QString cursor() { return host().activeCell().address(); }
    bool backward() const {
        const bool on = c().cmdPredchozi->isEnabled();
        EXPECT_EQ(c().cmdPredTlak->isEnabled(), on);
        EXPECT_EQ(c().cmdPredTah->isEnabled(), on);
        return on;
    }
};

}  // namespace

TEST_F(Navigate, ForwardAndBackOneGripAtATime) {
    song(3);
    go().cmdPrvni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    EXPECT_FALSE(backward());
    go().cmdDalsi_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$2"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("2"));
    EXPECT_EQ(c().lblSlabika[2]->text(), QStringLiteral("sla2"));
    EXPECT_TRUE(backward());
    go().cmdPredchozi_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    EXPECT_FALSE(backward());
    go().cmdPredchozi_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    // Past the last grip there is no limit: empty rows.
    for (int i = 0; i < 5; ++i) {
        go().cmdDalsi_Click();
    }
    EXPECT_EQ(cursor(), QStringLiteral("$B$6"));
    EXPECT_EQ(c().lblSlabika[0]->text(), QStringLiteral(""));
}

TEST_F(Navigate, StepsReleaseTheKeyboardAndKeepTheCursorInColumnB) {
    song(3);
    host().range(QStringLiteral("F1")).select();
    form->keyboard().Obr_Click(5);
    go().cmdDalsi_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$2"));
    EXPECT_FALSE(form->keyboard().isMarked(Side::Treble, 5));
}

// Accompaniment beats are bass-only grips, and a song may hold a row left empty: neither ends
// the song. Its last grip is its last row with a direction word.
TEST_F(Navigate, TheLastGripIsTheLastRowWithADirectionWord) {
    song(10);
    putRow(12, {"d1,"}, "Tah");
    put(QStringLiteral("B4"), QString());  // a bass-only grip
    put(QStringLiteral("M4"), QStringLiteral("C"));
    put(QStringLiteral("B13"), QStringLiteral("e1,"));  // tones without a direction: no grip
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$12"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("12"));
    EXPECT_TRUE(backward());
    // The last grip itself bass-only.
    putRow(14, {}, "Tlak", {"F"});
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$14"));
    EXPECT_EQ(c().lblBasy->text().left(2), QStringLiteral("F "));
}

TEST_F(Navigate, AnEmptySongStaysOnTheFirstGrip) {
    go().cmdDalsi_Click();
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    EXPECT_FALSE(backward());
    put(QStringLiteral("A3"), QStringLiteral("Název"));  // lyrics or a title alone: no grip yet
    go().cmdDalsi_Click();
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    EXPECT_FALSE(backward());
    song(1);
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    EXPECT_FALSE(backward());
}

// Long songs have a last grip too.
TEST_F(Navigate, ASongOfMoreThanFiveHundredGripsHasALastGrip) {
    song(612);
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$612"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("612"));
}

TEST_F(Navigate, TheDirectionStepsShowTheGrip) {
    song(3);
    go().cmdDalsiTah_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$2"));
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 11), 103);
    go().cmdPredTlak_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 10), 105);
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 11), 101);
    go().cmdDalsiTlak_Click();
    go().cmdPredTah_Click();
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 11), 103);
}

// Excel users reach the sheet's last rows with Ctrl+Down: rows past the end count as empty,
// and there is no next grip after the last row.
TEST_F(Navigate, TheSheetsLastRowsShowAndStayWithoutAnError) {
    putRow(65535, {"c1,"}, "Tlak");
    putRow(65536, {"e1,"}, "Tah");
    put(QStringLiteral("A65534"), QStringLiteral("sla"));
    put(QStringLiteral("A65535"), QStringLiteral("la"));
    put(QStringLiteral("A65536"), QStringLiteral("pa"));
    goToRow(65534);
    c().cmdDalsi->click();
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("65535"));
    EXPECT_EQ(c().lblSlabika[1]->text(), QStringLiteral("sla"));
    EXPECT_EQ(c().lblSlabika[3]->text(), QStringLiteral("pa"));
    EXPECT_EQ(c().lblSlabika[4]->text(), QString());
    c().cmdDalsiTah->click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$65536"));
    EXPECT_EQ(c().lblSlabika[3]->text(), QString());
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 10), 103);

    c().cmdDalsi->click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$65536"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("65536"));
    EXPECT_TRUE(c().lblTony->text().startsWith(QStringLiteral("e1, ")));
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 10), 101);  // released, nothing new
    c().cmdDalsiTlak->click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$65536"));
    EXPECT_EQ(form->keyboard().pictureOf(Side::Treble, 10), 101);
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.titles().join(u',').toStdString();
}

// After a click on the tuning database in the sheet window, the song commands still move the
// song's cursor, not the database's.
TEST_F(Navigate, SongCommandsWorkOnTheSongWhateverWorkbookWasClickedLast) {
    song(5);
    goToRow(2);
    host().activateWindow(form->connection().TuningWorkbookName);
    host().range(QStringLiteral("C7")).select();
    c().cmdDalsi->click();
    EXPECT_EQ(host().activeWorkbook().name(), form->connection().SongWorkbookName);
    EXPECT_EQ(cursor(), QStringLiteral("$B$3"));
    host().activateWindow(form->connection().TuningWorkbookName);
    EXPECT_EQ(host().activeCell().address(), QStringLiteral("$C$7"));
    c().cmdPosledni->click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$5"));
    host().activateWindow(form->connection().TuningWorkbookName);
    c().cmdPredchozi->click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$4"));
    host().activateWindow(form->connection().TuningWorkbookName);
    c().cmdPrvni->click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$1"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("1"));
}
