// Stepping through a song: where the cursor goes, what the backward commands do, the last grip.
#include "support/SongFixture.h"

#include "keyboard/Keyboard.h"
#include "songs/Navigation.h"

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
    songs::Navigation& go() { return form->navigation(); }
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

TEST_F(Navigate, TheLastGripIsTheOneBeforeTheFirstGap) {
    song(10);
    putRow(12, {"d1,"}, "Tah");
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$10"));
    EXPECT_EQ(c().lblTon->text(), QStringLiteral("10"));
    EXPECT_TRUE(backward());
    // A bass-only grip in row 4 ends the song for this command.
    put(QStringLiteral("B4"), QString());
    go().cmdPosledni_Click();
    EXPECT_EQ(cursor(), QStringLiteral("$B$3"));
}

TEST_F(Navigate, AnEmptySongStaysOnTheFirstGrip) {
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
