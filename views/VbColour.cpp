#include "VbColour.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>

namespace views {

QColor toQColor(quint32 vbColour) {
    if (vbColour & 0x80000000u) {
        const QPalette palette = QApplication::palette();
        switch (vbColour & 0xFF) {
            case 0x0B:
                return QColor(0xB4, 0xB4, 0xB4);  // inactive border
            case 0x18:
                return palette.color(QPalette::ToolTipBase);
            default:
                return palette.color(QPalette::Button);
        }
    }
    return QColor(vbColour & 0xFF, (vbColour >> 8) & 0xFF, (vbColour >> 16) & 0xFF);
}

void setBackColour(QWidget* widget, quint32 vbColour) {
    widget->setProperty("backColor", QVariant::fromValue(vbColour));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, toQColor(vbColour));
    palette.setColor(QPalette::Window, toQColor(vbColour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
    widget->update();
}

quint32 backColour(const QWidget* widget) {
    return widget->property("backColor").value<quint32>();
}

}  // namespace views
