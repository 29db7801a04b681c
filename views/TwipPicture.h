#pragma once

#include <QLabel>

#include <functional>

// A picture control whose place is kept in twips, as the design and the staff's arithmetic
// count it; the screen shows it at the nearest pixel. A draggable one follows the mouse while
// the button is held (the window drag of the old program) and reports where it was dropped.
namespace views {

class TwipPicture : public QLabel {
public:
    TwipPicture(QWidget* parent, const QPixmap& pixmap, int widthTwips, int heightTwips);

    int twipLeft() const { return left_; }
    int twipTop() const { return top_; }
    void moveTo(int leftTwips, int topTwips);

    // Set for pictures the user may drag; called with the dropped place in twips.
    std::function<void(int leftTwips, int topTwips)> onDropped;
    // What a finished drag does: the picture stands at the dropped place, then onDropped.
    void drop(int leftTwips, int topTwips);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int left_ = 0;
    int top_ = 0;
    int widthTwips_;
    int heightTwips_;
    QPoint grabOffset_;
    bool dragging_ = false;
};

}  // namespace views
