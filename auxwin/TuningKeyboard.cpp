#include "TuningKeyboard.h"

#include "keyboard/KeyboardGeometry.h"
#include "services/Twips.h"
#include "tones/TuningTable.h"
#include "views/VbColour.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace auxwin {

using tones::Bellows;
using tones::KeyboardSide;

// One button: its picture (the marked one when selected) and its two tones.
class TuningKeyboard::ToneButton : public QWidget {
public:
    ToneButton(QWidget* parent, const views::ButtonPictures& pictures, int restPicture)
        : QWidget(parent), pictures_(pictures), restPicture_(restPicture) {
        setCursor(Qt::PointingHandCursor);
    }

    std::function<void()> onClick;

    void setTones(const QString& push, const QString& pull) {
        push_ = push;
        pull_ = pull;
        setToolTip(QStringLiteral("tlak: %1\ntah: %2")
                       .arg(push.isEmpty() ? QStringLiteral("–") : push,
                            pull.isEmpty() ? QStringLiteral("–") : pull));
        update();
    }
    void setSelected(bool selected) {
        selected_ = selected;
        update();
    }
    const QString& push() const { return push_; }
    const QString& pull() const { return pull_; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0,
                           selected_ ? pictures_.bareButton() : pictures_.picture(restPicture_));
        QFont small = font();
        small.setPointSizeF(6);
        painter.setFont(small);
        painter.setPen(Qt::black);
        const QRect upper(0, 4, width(), height() / 2 - 4);
        const QRect lower(0, height() / 2, width(), height() / 2 - 4);
        painter.drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, push_);
        painter.drawText(lower, Qt::AlignHCenter | Qt::AlignTop, pull_);
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && onClick) {
            onClick();
            return;
        }
        QWidget::mousePressEvent(event);
    }

private:
    const views::ButtonPictures& pictures_;
    int restPicture_;
    QString push_;
    QString pull_;
    bool selected_ = false;
};

TuningKeyboard::TuningKeyboard(QWidget* parent, const KeyboardLook& look) : QWidget(parent) {
    setObjectName(QStringLiteral("Klavesnice"));
    setFixedSize(services::twipsToPixels(WidthTwips), services::twipsToPixels(HeightTwips));
    for (int n = 1; n <= keyboard::TrebleButtonCount; ++n) {
        const keyboard::TwipPoint at = keyboard::trebleButtonPlace(n);
        addButton({KeyboardSide::Treble, n}, at.left, at.top);
    }
    for (int n = 1; n <= keyboard::BassButtonCount; ++n) {
        const keyboard::TwipPoint at = keyboard::bassButtonPlace(n);
        addButton({KeyboardSide::Bass, n}, at.left, at.top);
    }
    addLabels(look);
    addBars(look.model);
}

QRect TuningKeyboard::place(int left, int top, int width, int height) const {
    return services::twipRect(left - OriginTwips, top, width, height);
}

void TuningKeyboard::addButton(KeyboardButton button, int left, int top) {
    const bool treble = button.side == KeyboardSide::Treble;
    auto* drawn = new ToneButton(this, pictures_,
                                 treble ? keyboard::TrebleRestPicture : keyboard::BassRestPicture);
    drawn->setObjectName(treble ? QStringLiteral("Knoflik(%1)").arg(button.number)
                                : QStringLiteral("Bas(%1)").arg(button.number));
    drawn->setGeometry(place(left, top, keyboard::ButtonWidth, keyboard::ButtonHeight));
    drawn->onClick = [this, button] {
        if (onClick) {
            onClick(button);
        }
    };
    buttons_[button] = drawn;
}

void TuningKeyboard::addLabels(const KeyboardLook& look) {
    for (int i = 0; i < keyboard::BassButtonCount; ++i) {
        const keyboard::TwipPoint at = keyboard::bassLabelPlace(i);
        auto* label = new QLabel(keyboard::bassLabel(i).caption, this);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(
            place(at.left, at.top, keyboard::BassLabelWidth, keyboard::BassLabelHeight));
    }
    for (int k = 0; k < keyboard::NumberLabelCount; ++k) {
        auto* label = new QLabel(keyboard::numberLabelCaption(k, look.numbering), this);
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(place(keyboard::numberLabelLeft(k),
                                 keyboard::numberLabelTop(k, look.numbering),
                                 keyboard::numberLabelWidth(k), keyboard::NumberLabelHeight));
    }
    auto* legend = new QLabel(QStringLiteral("Na knoflíku: nahoře tlak, dole tah."), this);
    legend->setObjectName(QStringLiteral("lblLegenda"));
    legend->setWordWrap(true);
    legend->setGeometry(place(1680, 480, 2295, 495));
}

void TuningKeyboard::addBars(keyboard::InstrumentModel model) {
    for (const keyboard::BarPlace& bar : keyboard::barsOf(model)) {
        auto* drawn = new QWidget(this);
        drawn->setObjectName(QStringLiteral("Zabrana(%1)").arg(bar.index));
        drawn->setGeometry(place(bar.left, bar.top, keyboard::BarWidth, bar.height));
        views::setBackColour(drawn, views::SystemTooltipBack);
        drawn->raise();
    }
}

void TuningKeyboard::showTuning(const tones::TuningTable& tuning) {
    for (const auto& [button, drawn] : buttons_) {
        if (button.side == KeyboardSide::Treble) {
            drawn->setTones(tuning.trebleTone(button.number, Bellows::Push),
                            tuning.trebleTone(button.number, Bellows::Pull));
        } else {
            drawn->setTones(tuning.bassTone(button.number, Bellows::Push),
                            tuning.bassTone(button.number, Bellows::Pull));
        }
    }
}

void TuningKeyboard::select(std::optional<KeyboardButton> button) {
    if (selected_) {
        buttons_.at(*selected_)->setSelected(false);
    }
    selected_ = button;
    if (selected_) {
        buttons_.at(*selected_)->setSelected(true);
    }
}

QWidget* TuningKeyboard::button(KeyboardButton button) const {
    return buttons_.at(button);
}

}  // namespace auxwin
