// A designed window's controls from its table: where they lie, which lies on top, colours and
// the controls that start hidden.
#include "services/Twips.h"
#include "views/DesignedControls.h"
#include "views/VbColour.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include <gtest/gtest.h>

using views::ControlDesign;
using views::ControlKind;

namespace {

const ControlDesign table[] = {
    {"lblUnder", ControlKind::Label, "Pod", 120, 120, 1500, 375},
    {"cmdOver", ControlKind::CaptionButton, "Nad", 120, 120, 1500, 375, views::LightOrange},
    {"cmdSkryte", ControlKind::Button, "Skryté", 120, 600, 975, 255, 0, false},
    {"Combo1", ControlKind::PickOnlyCombo, "", 120, 960, 1455, 315},
    {"Slider1", ControlKind::TempoSlider, "", 1800, 120, 1095, 240},
};

}  // namespace

TEST(DesignedControls, MadeInTheTablesOrderWithTheirColoursAndStartHidden) {
    QWidget window;
    window.resize(300, 200);
    const views::DesignedControls controls(&window, table);
    window.show();

    auto* over = controls.get<QPushButton>("cmdOver");
    EXPECT_EQ(over->geometry(), services::twipRect(120, 120, 1500, 375));
    EXPECT_EQ(over->text(), QStringLiteral("Nad"));
    EXPECT_EQ(window.childAt(over->geometry().center()), over);
    EXPECT_EQ(views::backColour(over), views::LightOrange);
    EXPECT_EQ(over->palette().color(QPalette::Button), views::toQColor(views::LightOrange));
    EXPECT_TRUE(controls.get<QLabel>("lblUnder")->isVisible());

    auto* hidden = controls.get<QPushButton>("cmdSkryte");
    EXPECT_EQ(hidden->objectName(), QStringLiteral("cmdSkryte"));
    EXPECT_FALSE(hidden->isVisible());
    EXPECT_EQ(views::backColour(hidden), 0u);  // the system's
    EXPECT_FALSE(hidden->autoFillBackground());
}

TEST(DesignedControls, ThePickOnlyListShowsATextItDoesNotHold) {
    QWidget window;
    const views::DesignedControls controls(&window, table);
    auto* combo = controls.get<QComboBox>("Combo1");
    combo->addItems({QStringLiteral("G-C"), QStringLiteral("A-D")});
    combo->setCurrentText(QStringLiteral("F-B"));
    EXPECT_EQ(combo->currentText(), QStringLiteral("F-B"));
    EXPECT_EQ(combo->count(), 2);
    EXPECT_TRUE(combo->lineEdit()->isReadOnly());

    auto* slider = controls.get<QSlider>("Slider1");
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    EXPECT_EQ(slider->minimum(), -5);
    EXPECT_EQ(slider->maximum(), 5);
    EXPECT_EQ(slider->value(), 0);
}
