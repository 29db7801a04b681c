#include "GripTextLabels.h"

#include "MainWindowLayout.h"

#include <QLabel>

namespace views {

GripTextLabels::GripTextLabels(const Form1Controls& controls)
    : lblSlabika_(controls.lblSlabika),
      lblPopisD_(controls.lblPopisD),
      lblTony_(controls.lblTony),
      lblPopisB_(controls.lblPopisB),
      lblBasy_(controls.lblBasy) {}

void GripTextLabels::showSyllable(int index, const QString& text) {
    lblSlabika_[static_cast<size_t>(index)]->setText(text);
}

void GripTextLabels::showCaptions(bool shown) {
    lblPopisD_->setVisible(shown);
    lblPopisB_->setVisible(shown);
}

void GripTextLabels::showTrebleLine(const QString& line) {
    lblTony_->setText(line);
}

void GripTextLabels::showBassLine(const QString& line) {
    lblBasy_->setText(line);
}

}  // namespace views
