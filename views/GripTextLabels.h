#pragma once

#include "grips/GripText.h"

#include <array>

class QLabel;

// The grip text of the main window in its labels: lblSlabika(0..4), lblPopisD with lblTony,
// lblPopisB with lblBasy.
namespace views {

struct Form1Controls;

class GripTextLabels : public grips::GripText {
public:
    explicit GripTextLabels(const Form1Controls& controls);

    void showSyllable(int index, const QString& text) override;
    void showCaptions(bool shown) override;
    void showTrebleLine(const QString& line) override;
    void showBassLine(const QString& line) override;

private:
    std::array<QLabel*, SyllableCount> lblSlabika_;
    QLabel* lblPopisD_;
    QLabel* lblTony_;
    QLabel* lblPopisB_;
    QLabel* lblBasy_;
};

}  // namespace views
