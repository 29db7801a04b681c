// Choosing the keyboard model and the numbering in the menu: bars, heights, check marks,
// labels, and what is stored at once.
#include "app/WindowChecks.h"

#include "keyboard/ButtonNumbering.h"
#include "views/KeyboardModels.h"

using app::MenuActions;
using keyboard::Numbering;
using namespace window_checks;

namespace {

class Models : public testing_support::ShownProgramFixture {
protected:
    QPushButton* bar(int i) const {
        return form->findChild<QPushButton*>(QStringLiteral("cmdZabrana(%1)").arg(i));
    }
    QLabel* label(int k) const { return numberLabel(*form, k); }
    QString stored(const QString& section) const { return settings.index(section); }
};

}  // namespace

// Each model's item switches to it, and chosen again returns to the full keyboard.
TEST_F(Models, EveryModelTransitionShowsItsBarsAndIsStoredAtOnce) {
    struct Step {
        QAction* MenuActions::*item;
        QString bars;
        int firstBarHeight;
        int thirdBarHeight;
        const char* stored;
    };
    const QString none, twoRow = QStringLiteral("01234"), club = QStringLiteral("012345");
    const Step steps[]{
        {&MenuActions::mnu2Rady, twoRow, 7695 / 15, 1095 / 15, "1"},
        {&MenuActions::mnu2Rady, none, 0, 0, "0"},
        {&MenuActions::mnu2Rady, twoRow, 7695 / 15, 1095 / 15, "1"},
        // only Image25 beside the first bar, Image1 to Image3 beside the third
        {&MenuActions::mnuModelClub, club, 570 / 15, 1695 / 15, "2"},
        {&MenuActions::mnu2Rady, twoRow, 7695 / 15, 1095 / 15, "1"},
        {&MenuActions::mnuModelClub, club, 570 / 15, 1695 / 15, "2"},
        {&MenuActions::mnuModelClub, none, 0, 0, "0"},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        const Step& step = steps[i];
        (menu().*step.item)->trigger();
        EXPECT_EQ(menu().mnu2Rady->isChecked(), step.bars == twoRow);
        EXPECT_EQ(menu().mnuModelClub->isChecked(), step.bars == club);
        EXPECT_EQ(shownBars(*form), step.bars);
        if (!step.bars.isEmpty()) {
            EXPECT_EQ(bar(0)->height(), step.firstBarHeight);
            EXPECT_EQ(bar(2)->height(), step.thirdBarHeight);
        }
        EXPECT_EQ(stored(services::ProgramSettings::TypHarm), QString::fromLatin1(step.stored));
    }
}

// The captions themselves are checked with the numbering; here, that the labels follow it.
TEST_F(Models, TheNumberingsSetCaptionsAndTopsAndOneThatDoesNotExistIsReported) {
    form->models().mnuZnaceni_Click(2);
    EXPECT_EQ(dialogs.take(), std::vector{information("Ošetření chyby.",
                                                      "Neočekávaná hodnota programové proměnné. "
                                                      "Prosíme o upozornění na tuto chybu autora "
                                                      "programu.")});
    EXPECT_EQ(label(18)->text(), QStringLiteral("6s"));  // the designed caption, untouched
    struct Step {
        std::size_t item;
        Numbering numbering;
        int outerTop;
        int innerTop;
        const char* sixthInner;
    };
    for (const Step step : {Step{1, Numbering::Trizonia, 7440, 6840, "5s"},
                            Step{0, Numbering::Standard, 7560, 6720, "6"}}) {
        SCOPED_TRACE(step.item);
        menu().mnuZnaceni[step.item]->trigger();
        EXPECT_TRUE(menu().mnuZnaceni[step.item]->isChecked());
        EXPECT_FALSE(menu().mnuZnaceni[1 - step.item]->isChecked());
        EXPECT_EQ(stored(services::ProgramSettings::Znaceni), QString::number(step.item));
        for (int k = 0; k <= 24; ++k) {
            const bool outer = k <= 12;
            EXPECT_EQ(label(k)->text(), keyboard::numberLabelCaption(k, step.numbering)) << k;
            EXPECT_EQ(label(k)->y(),
                      ((outer ? step.outerTop : step.innerTop) - 600 * (outer ? k : k - 13)) / 15)
                << k;
            EXPECT_EQ(label(k)->x(), (outer ? 6000 : 3840) / 15) << k;
        }
        EXPECT_EQ(label(18)->text(), QString::fromLatin1(step.sixthInner));
    }
}
