#include "DesignedControls.h"

#include "views/CaptionButton.h"
#include "views/WidgetPlacement.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace auxwin {

namespace {

QWidget* create(ControlKind kind, const QString& caption, QWidget* window) {
    switch (kind) {
        case ControlKind::Label:
            return new QLabel(caption, window);
        case ControlKind::WrappedLabel: {
            auto* label = new QLabel(caption, window);
            label->setWordWrap(true);
            return label;
        }
        case ControlKind::Button:
            return new QPushButton(caption, window);
        case ControlKind::CaptionButton:
            return new views::CaptionButton(caption, window);
        case ControlKind::Combo:
            return new QComboBox(window);
        case ControlKind::Radio:
            return new QRadioButton(caption, window);
        case ControlKind::LineEdit:
            return new QLineEdit(caption, window);
    }
    return nullptr;
}

}  // namespace

DesignedControls::DesignedControls(QWidget* window, std::span<const ControlDesign> table) {
    for (const ControlDesign& design : table) {
        made_[QString::fromLatin1(design.name)] =
            views::placeControl(create(design.kind, QString::fromUtf8(design.caption), window),
                                design.name, design.left, design.top, design.width, design.height);
    }
}

}  // namespace auxwin
