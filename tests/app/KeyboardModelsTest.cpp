// Choosing the keyboard model and the numbering in the menu: bars, heights, check marks,
// labels, and what is stored at once.
#include "support/ProgramFixture.h"

#include "keyboard/KeyboardModels.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

using app::MessageIcon;
using testing_support::ScriptedDialogs;

namespace {

class Models : public testing_support::ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(start());
    }
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

TEST_F(Models, DvouradovkaTwiceReturnsToTheFullKeyboard) {
    menu().mnu2Rady->trigger();
    EXPECT_TRUE(menu().mnu2Rady->isChecked());
    EXPECT_EQ(shownBars(), (QStringList{"0", "1", "2", "3", "4"}));
    EXPECT_EQ(bar(0)->height(), 7695 / 15);
    EXPECT_EQ(bar(2)->height(), 1095 / 15);
    EXPECT_EQ(stored(app::ProgramSettings::TypHarm), QStringLiteral("1"));

    menu().mnu2Rady->trigger();
    EXPECT_FALSE(menu().mnu2Rady->isChecked());
    EXPECT_TRUE(shownBars().isEmpty());
    EXPECT_EQ(stored(app::ProgramSettings::TypHarm), QStringLiteral("0"));
}

TEST_F(Models, SwitchingBetweenTheModelsInBothDirections) {
    menu().mnu2Rady->trigger();
    menu().mnuModelClub->trigger();
    EXPECT_FALSE(menu().mnu2Rady->isChecked());
    EXPECT_TRUE(menu().mnuModelClub->isChecked());
    EXPECT_EQ(shownBars(), (QStringList{"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(bar(0)->height(), 570 / 15);   // only Image25
    EXPECT_EQ(bar(2)->height(), 1695 / 15);  // Image1 to Image3
    EXPECT_EQ(stored(app::ProgramSettings::TypHarm), QStringLiteral("2"));

    menu().mnu2Rady->trigger();
    EXPECT_FALSE(menu().mnuModelClub->isChecked());
    EXPECT_EQ(bar(0)->height(), 7695 / 15);
    EXPECT_EQ(bar(2)->height(), 1095 / 15);
    EXPECT_EQ(shownBars(), (QStringList{"0", "1", "2", "3", "4"}));

    menu().mnuModelClub->trigger();
    menu().mnuModelClub->trigger();
    EXPECT_TRUE(shownBars().isEmpty());
    EXPECT_EQ(stored(app::ProgramSettings::TypHarm), QStringLiteral("0"));
}

TEST_F(Models, TheNumberingsSetCaptionsAndTops) {
    menu().mnuZnaceni[1]->trigger();
    EXPECT_TRUE(menu().mnuZnaceni[1]->isChecked());
    EXPECT_FALSE(menu().mnuZnaceni[0]->isChecked());
    EXPECT_EQ(stored(app::ProgramSettings::Znaceni), QStringLiteral("1"));
    const QStringList outer{"1", "A", "B", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
    const QStringList inner{"1", "B", "2", "3", "4", "5s", "6", "7", "8", "9", "10", "11"};
    for (int k = 0; k <= 12; ++k) {
        EXPECT_EQ(label(k)->text(), outer[k]) << k;
        EXPECT_EQ(label(k)->y(), (7440 - 600 * k) / 15) << k;
        EXPECT_EQ(label(k)->x(), 6000 / 15) << k;
    }
    for (int k = 13; k <= 24; ++k) {
        EXPECT_EQ(label(k)->text(), inner[k - 13]) << k;
        EXPECT_EQ(label(k)->y(), (6840 - 600 * (k - 13)) / 15) << k;
        EXPECT_EQ(label(k)->x(), 3840 / 15) << k;
    }

    menu().mnuZnaceni[0]->trigger();
    EXPECT_TRUE(menu().mnuZnaceni[0]->isChecked());
    EXPECT_FALSE(menu().mnuZnaceni[1]->isChecked());
    EXPECT_EQ(stored(app::ProgramSettings::Znaceni), QStringLiteral("0"));
    for (int k = 0; k <= 12; ++k) {
        EXPECT_EQ(label(k)->text(), QString::number(k + 1)) << k;
        EXPECT_EQ(label(k)->y(), (7560 - 600 * k) / 15) << k;
    }
    for (int k = 13; k <= 24; ++k) {
        EXPECT_EQ(label(k)->text(), QString::number(k - 12)) << k;
        EXPECT_EQ(label(k)->y(), (6720 - 600 * (k - 13)) / 15) << k;
    }
    EXPECT_EQ(label(18)->text(), QStringLiteral("6"));  // no longer the designed "6s"
}

TEST_F(Models, ANumberingThatDoesNotExistIsReported) {
    form->models().mnuZnaceni_Click(2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0],
              (ScriptedDialogs::Message{"Ošetření chyby.",
                                        "Neočekávaná hodnota programové proměnné. Prosíme o "
                                        "upozornění na tuto chybu autora programu.",
                                        MessageIcon::Information, app::MessageButtons::Ok}));
    EXPECT_EQ(label(18)->text(), QStringLiteral("6s"));
}
