#include "KeyboardModels.h"

#include "keyboard/KeyboardGeometry.h"
#include "keyboard/StringResources.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"
#include "services/Twips.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace views {

KeyboardModels::KeyboardModels(const ModelControls& controls, services::ProgramSettings& settings,
                               services::Dialogs& dialogs)
    : c_(controls), settings_(settings), dialogs_(dialogs) {}

void KeyboardModels::layBars(keyboard::InstrumentModel model) {
    for (const keyboard::BarPlace& place : keyboard::barsOf(model)) {
        QPushButton* bar = c_.cmdZabrana[static_cast<size_t>(place.index)];
        bar->setGeometry(
            services::twipRect(place.left, place.top, keyboard::BarWidth, place.height));
        bar->show();
    }
}

void KeyboardModels::showBars(int first, int last, bool shown) {
    for (int i = first; i <= last; ++i) {
        c_.cmdZabrana[static_cast<size_t>(i)]->setVisible(shown);
    }
}

void KeyboardModels::mnu2Rady_Click() {
    c_.mnu2Rady->setChecked(!c_.mnu2Rady->isChecked());
    int value = 0;
    if (c_.mnu2Rady->isChecked()) {
        c_.mnuModelClub->setChecked(false);
        layBars(keyboard::InstrumentModel::TwoRow);
        showBars(5, 5, false);
        value = 1;
    } else {
        showBars(0, 5, false);
    }
    settings_.setIndex(services::ProgramSettings::TypHarm, value);
}

void KeyboardModels::ApplyClubModel() {
    c_.mnuModelClub->setChecked(!c_.mnuModelClub->isChecked());
    int value = 0;
    if (c_.mnuModelClub->isChecked()) {
        c_.mnu2Rady->setChecked(false);
        layBars(keyboard::InstrumentModel::Club);
        value = 2;
    } else {
        showBars(0, 5, false);
    }
    settings_.setIndex(services::ProgramSettings::TypHarm, value);
}

keyboard::InstrumentModel KeyboardModels::model() const {
    if (c_.mnu2Rady->isChecked()) {
        return keyboard::InstrumentModel::TwoRow;
    }
    return c_.mnuModelClub->isChecked() ? keyboard::InstrumentModel::Club
                                        : keyboard::InstrumentModel::Full;
}

keyboard::Numbering KeyboardModels::numbering() const {
    return c_.mnuZnaceni[1]->isChecked() ? keyboard::Numbering::Trizonia
                                         : keyboard::Numbering::Standard;
}

void KeyboardModels::showTwoRowBarsAsDesigned() {
    showBars(0, 4, true);
}

void KeyboardModels::mnuZnaceni_Click(int index) {
    c_.mnuZnaceni[0]->setChecked(false);
    c_.mnuZnaceni[1]->setChecked(false);
    if (index == 0 || index == 1) {
        c_.mnuZnaceni[static_cast<size_t>(index)]->setChecked(true);
    }
    settings_.setIndex(services::ProgramSettings::Znaceni, index);
    if (index == 0) {
        ApplyStandardNumbering();
    } else if (index == 1) {
        ApplyTrizoniaNumbering();
    } else {
        dialogs_.message(QStringLiteral("Ošetření chyby."),
                         QStringLiteral("Neočekávaná hodnota programové proměnné. Prosíme o "
                                        "upozornění na tuto chybu autora programu."),
                         services::MessageIcon::Information);
    }
}

void KeyboardModels::setNumberLabel(int index, const QString& caption, int top) {
    QLabel* label = c_.lblCisKnofl[static_cast<size_t>(index)];
    label->setText(caption);
    label->setGeometry(services::twipRect(keyboard::numberLabelLeft(index), top,
                                          keyboard::numberLabelWidth(index),
                                          keyboard::NumberLabelHeight));
}

void KeyboardModels::applyNumbering(keyboard::Numbering numbering) {
    for (int k = 0; k < keyboard::NumberLabelCount; ++k) {
        setNumberLabel(k, numberLabelCaption(k, numbering), numberLabelTop(k, numbering));
    }
}

void KeyboardModels::ApplyStandardNumbering() {
    applyNumbering(keyboard::Numbering::Standard);
}

void KeyboardModels::ApplyTrizoniaNumbering() {
    applyNumbering(keyboard::Numbering::Trizonia);
}

}  // namespace views
