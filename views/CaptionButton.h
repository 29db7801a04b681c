#pragma once

#include <QPushButton>

// A command button whose caption wraps onto as many lines as its narrow, tall shape needs,
// as the window's design expects ("Před- chozí tlak" in a button two letters wide).
namespace views {

class CaptionButton : public QPushButton {
public:
    CaptionButton(const QString& caption, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace views
