#pragma once

#include "grips/DirectionColour.h"

class QWidget;

// The step button (cmdJakDal) coloured by the bellows direction of the grip shown last.
namespace views {

class DirectionButton : public grips::DirectionColour {
public:
    explicit DirectionButton(QWidget* cmdJakDal) : cmdJakDal_(cmdJakDal) {}

    void showDirection(grips::ShownDirection direction) override;

private:
    QWidget* cmdJakDal_;
};

}  // namespace views
