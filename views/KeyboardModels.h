#pragma once

#include "keyboard/ButtonNumbering.h"
#include "keyboard/InstrumentModel.h"

#include <QString>

#include <array>

class QAction;
class QLabel;
class QPushButton;

namespace services {
class Dialogs;
class ProgramSettings;
}  // namespace services

// The keyboard models (bars laid across the buttons a model lacks) and the two button
// numberings, with the menu items that choose them; every choice is stored at once.
namespace views {

struct ModelControls {
    std::array<QPushButton*, 6> cmdZabrana{};
    std::array<QLabel*, 25> lblCisKnofl{};
    QAction* mnu2Rady = nullptr;
    QAction* mnuModelClub = nullptr;
    std::array<QAction*, 2> mnuZnaceni{};
};

class KeyboardModels {
public:
    KeyboardModels(const ModelControls& controls, services::ProgramSettings& settings,
                   services::Dialogs& dialogs);

    void mnu2Rady_Click();
    void mnuModelClub_Click() { ApplyClubModel(); }
    void ApplyClubModel();
    void mnuZnaceni_Click(int index);
    void ApplyStandardNumbering();
    void ApplyTrizoniaNumbering();

    // The player's choices as the menu marks them: what print shows.
    keyboard::InstrumentModel model() const;
    // The numbering in use: the checked numbering item.
    keyboard::Numbering numbering() const;

    // The two-row model as start-up lays it: bars 0..4 at their designed heights.
    void showTwoRowBarsAsDesigned();

private:
    // The model's bars shown where keyboard::InstrumentModel lays them.
    void layBars(keyboard::InstrumentModel model);
    void showBars(int first, int last, bool shown);
    void setNumberLabel(int index, const QString& caption, int top);
    void applyNumbering(keyboard::Numbering numbering);

    ModelControls c_;
    services::ProgramSettings& settings_;
    services::Dialogs& dialogs_;
};

}  // namespace views
