// Choosing the keyboard model and the numbering in the menu: bars, heights, check marks,
// labels, and what is stored at once.
#include "support/ProgramFixture.h"

#include "keyboard/ButtonNumbering.h"
#include "keyboard/KeyboardModels.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using app::MenuActions;
using keyboard::Numbering;
using services::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class Models : public testing_support::ShownProgramFixture {
protected:
    QPushButton* bar(int i) const {
        return form->findChild<QPushButton*>(QStringLiteral("cmdZabrana(%1)").arg(i));
    }
    QStringList shownBars() const {
        QStringList shown;
        for (int i = 0; i < 6; ++i) {
            if (!bar(i)->isHidden()) {
                shown << QString::number(i);
            }
        }
        return shown;
    }
    QLabel* label(int k) const {
        return form->findChild<QLabel*>(QStringLiteral("lblCisKnofl(%1)").arg(k));
    }
    QString stored(const QString& section) const { return settings.index(section); }
};

}  // namespace

// Each model's item switches to it, and chosen again returns to the full keyboard.
TEST_F(Models, EveryModelTransitionShowsItsBarsAndIsStoredAtOnce) {
    struct Step {
        QAction* MenuActions::*item;
        QStringList bars;
        int firstBarHeight;
        int thirdBarHeight;
        const char* stored;
    };
    const QStringList none;
    const QStringList twoRow{"0", "1", "2", "3", "4"};
    const QStringList club{"0", "1", "2", "3", "4", "5"};
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
        EXPECT_EQ(shownBars(), step.bars);
        if (!step.bars.isEmpty()) {
            EXPECT_EQ(bar(0)->height(), step.firstBarHeight);
            EXPECT_EQ(bar(2)->height(), step.thirdBarHeight);
        }
        EXPECT_EQ(stored(services::ProgramSettings::TypHarm), QString::fromLatin1(step.stored));
    }
}

// The captions themselves are checked with the numbering; here, that the labels follow it.
TEST_F(Models, TheNumberingsSetCaptionsAndTops) {
    struct Step {
        int item;
        Numbering numbering;
        int outerTop;
        int innerTop;
        const char* sixthInner;
    };
    for (const Step step : {Step{1, Numbering::Trizonia, 7440, 6840, "5s"},
                            Step{0, Numbering::Standard, 7560, 6720, "6"}}) {
        SCOPED_TRACE(step.item);
        menu().mnuZnaceni[static_cast<std::size_t>(step.item)]->trigger();
        EXPECT_TRUE(menu().mnuZnaceni[static_cast<std::size_t>(step.item)]->isChecked());
        EXPECT_FALSE(menu().mnuZnaceni[static_cast<std::size_t>(1 - step.item)]->isChecked());
        EXPECT_EQ(stored(services::ProgramSettings::Znaceni), QString::number(step.item));
        for (int k = 0; k <= 24; ++k) {
            const bool outer = k <= 12;
            EXPECT_EQ(label(k)->text(), keyboard::numberLabelCaption(k, step.numbering)) << k;
            EXPECT_EQ(label(k)->y(),
                      ((outer ? step.outerTop : step.innerTop) - 600 * (outer ? k : k - 13)) / 15)
                << k;
            EXPECT_EQ(label(k)->x(), (outer ? 6000 : 3840) / 15) << k;
        }
        EXPECT_EQ(label(18)->text(),
                  QString::fromLatin1(step.sixthInner));  // "6s" is the designed one
    }
}

TEST_F(Models, ANumberingThatDoesNotExistIsReported) {
    form->models().mnuZnaceni_Click(2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{"Ošetření chyby.",
                                        "Neočekávaná hodnota programové proměnné. Prosíme o "
                                        "upozornění na tuto chybu autora programu.",
                                        MessageIcon::Information, services::MessageButtons::Ok}));
    EXPECT_EQ(label(18)->text(), QStringLiteral("6s"));
}
