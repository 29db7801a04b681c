#include "DesignedControls.h"

#include "CaptionButton.h"
#include "VbColour.h"
#include "WidgetPlacement.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

namespace views {

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
        case ControlKind::TopLeftLabel: {
            auto* label = new QLabel(caption, window);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::Button:
            return new QPushButton(caption, window);
        case ControlKind::CaptionButton:
            return new CaptionButton(caption, window);
        case ControlKind::Combo:
            return new QComboBox(window);
        case ControlKind::PickOnlyCombo: {
            // Editable so that it can show a text that is not in the list, such as a song's
            // tuning missing from the database.
            auto* combo = new QComboBox(window);
            combo->setEditable(true);
            combo->lineEdit()->setReadOnly(true);
            combo->setInsertPolicy(QComboBox::NoInsert);
            return combo;
        }
        case ControlKind::TempoSlider: {
            auto* slider = new QSlider(Qt::Horizontal, window);
            slider->setRange(-5, 5);
            slider->setValue(0);
            slider->setTickPosition(QSlider::TicksBelow);
            return slider;
        }
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
        QWidget* widget =
            placeControl(create(design.kind, QString::fromUtf8(design.caption), window),
                         design.name, design.left, design.top, design.width, design.height);
        if (design.backColour) {
            setBackColour(widget, design.backColour);
        }
        widget->setVisible(design.visible);
        made_[widget->objectName()] = widget;
    }
}

}  // namespace views
