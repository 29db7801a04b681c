#pragma once

#include "keyboard/ButtonNumbering.h"
#include "keyboard/InstrumentModel.h"
#include "tones/KeyboardSide.h"
#include "views/ButtonPictures.h"

#include <QWidget>

#include <functional>
#include <map>
#include <optional>

namespace tones {
class TuningTable;
}

// The keyboard of the tunings window: the main window's buttons, number labels and the model's
// bars where the main window has them, each button showing its push tone above its pull tone.
// A click selects a button.
namespace auxwin {

// How the player has his keyboard set up in the main window.
struct KeyboardLook {
    keyboard::InstrumentModel model = keyboard::InstrumentModel::Full;
    keyboard::Numbering numbering = keyboard::Numbering::Standard;
};

struct KeyboardButton {
    tones::KeyboardSide side;
    int number;  // the control number, 1..37 or 1..12
    bool operator<(const KeyboardButton& other) const {
        return side != other.side ? side < other.side : number < other.number;
    }
    bool operator==(const KeyboardButton& other) const = default;
};

class TuningKeyboard : public QWidget {
public:
    // The main window's keyboard begins this far from its left edge; the drawing starts there.
    static constexpr int OriginTwips = 1200;
    static constexpr int WidthTwips = 5400;
    static constexpr int HeightTwips = 8055;

    TuningKeyboard(QWidget* parent, const KeyboardLook& look);

    void showTuning(const tones::TuningTable& tuning);
    void select(std::optional<KeyboardButton> button);
    std::optional<KeyboardButton> selected() const { return selected_; }
    // The drawn button, for its caption and clicks.
    QWidget* button(KeyboardButton button) const;

    std::function<void(KeyboardButton)> onClick;

private:
    class ToneButton;
    void addButton(KeyboardButton button, int left, int top);
    void addLabels(const KeyboardLook& look);
    void addBars(keyboard::InstrumentModel model);
    QRect place(int left, int top, int width, int height) const;

    views::ButtonPictures pictures_;
    std::map<KeyboardButton, ToneButton*> buttons_;
    std::optional<KeyboardButton> selected_;
};

}  // namespace auxwin
