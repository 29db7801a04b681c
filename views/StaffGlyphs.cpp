#include "StaffGlyphs.h"

#include "services/Twips.h"

#include <QPainter>
#include <QPainterPath>

namespace views {

namespace {

QPixmap blank(int widthTwips, int heightTwips) {
    QPixmap pixmap(services::twipsToPixels(widthTwips), services::twipsToPixels(heightTwips));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QPixmap notePicture(const QColor& colour) {
    QPixmap pixmap = blank(NoteWidth, NoteHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double centreY = 40.0 / services::TwipsPerPixel;
    p.translate(6.0, centreY);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 4.6, 2.9);
    return pixmap;
}

QPixmap sharpPicture(const QColor& colour) {
    QPixmap pixmap = blank(SharpWidth, SharpHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 1.2));
    const double centreY = 150.0 / services::TwipsPerPixel;  // level with the note head
    p.drawLine(QPointF(3.5, centreY - 8), QPointF(3.5, centreY + 8));
    p.drawLine(QPointF(6.5, centreY - 9), QPointF(6.5, centreY + 7));
    p.setPen(QPen(colour, 2.0));
    p.drawLine(QPointF(1, centreY - 2), QPointF(9, centreY - 4));
    p.drawLine(QPointF(1, centreY + 4), QPointF(9, centreY + 2));
    return pixmap;
}

QPixmap flatPicture(const QColor& colour) {
    QPixmap pixmap = blank(FlatWidth, FlatHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const double centreY = 180.0 / services::TwipsPerPixel;  // the bowl, level with the note head
    p.setPen(QPen(colour, 1.3));
    p.drawLine(QPointF(2.5, 0.5), QPointF(2.5, centreY + 3));
    QPainterPath bowl;
    bowl.moveTo(2.5, centreY + 3);
    bowl.cubicTo(9, centreY - 1, 8, centreY - 5, 2.5, centreY - 2);
    p.setPen(QPen(colour, 1.6));
    p.drawPath(bowl);
    return pixmap;
}

}  // namespace views
