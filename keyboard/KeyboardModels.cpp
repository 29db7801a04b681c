#include "KeyboardModels.h"

#include "KeyboardGeometry.h"
#include "StringResources.h"
#include "services/Dialogs.h"
#include "services/ProgramSettings.h"
#include "services/Twips.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace keyboard {

KeyboardModels::KeyboardModels(const ModelControls& controls, services::ProgramSettings& settings,
                               services::Dialogs& dialogs)
    : c_(controls), settings_(settings), dialogs_(dialogs) {}

void KeyboardModels::layBars(InstrumentModel model) {
    for (const BarPlace& place : barsOf(model)) {
        QPushButton* bar = c_.cmdZabrana[static_cast<size_t>(place.index)];
        bar->setGeometry(services::twipRect(place.left, place.top, BarWidth, place.height));
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
        layBars(InstrumentModel::TwoRow);
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
        layBars(InstrumentModel::Club);
        value = 2;
    } else {
        showBars(0, 5, false);
    }
    settings_.setIndex(services::ProgramSettings::TypHarm, value);
}

InstrumentModel KeyboardModels::model() const {
    if (c_.mnu2Rady->isChecked()) {
        return InstrumentModel::TwoRow;
    }
    return c_.mnuModelClub->isChecked() ? InstrumentModel::Club : InstrumentModel::Full;
}

Numbering KeyboardModels::numbering() const {
    return c_.mnuZnaceni[1]->isChecked() ? Numbering::Trizonia : Numbering::Standard;
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
    label->setGeometry(services::twipRect(numberLabelLeft(index), top, numberLabelWidth(index),
                                          NumberLabelHeight));
}

void KeyboardModels::applyNumbering(Numbering numbering) {
    for (int k = 0; k < NumberLabelCount; ++k) {
        setNumberLabel(k, numberLabelCaption(k, numbering), numberLabelTop(k, numbering));
    }
}

void KeyboardModels::ApplyStandardNumbering() {
    applyNumbering(Numbering::Standard);
}

void KeyboardModels::ApplyTrizoniaNumbering() {
    applyNumbering(Numbering::Trizonia);
}

}  // namespace keyboard
