#pragma once

#include "keyboard/KeyboardView.h"

#include <QColor>
#include <QPixmap>

#include <map>

// The program's button pictures, drawn once: 101..106 for treble overlays and 107..112 for
// bass overlays, each a 40 x 38 button shape filled with one colour, plus the bare button that
// shows through when a button is marked.
namespace views {

class ButtonPictures {
public:
    ButtonPictures();

    const QPixmap& picture(int id) const;  // 101..112
    const QPixmap& bareButton() const { return bare_; }
    static QColor fillColour(int id);

private:
    std::map<int, QPixmap> pictures_;
    QPixmap bare_;
};

}  // namespace views
