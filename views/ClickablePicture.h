#pragma once

#include <QLabel>

#include <functional>

// A picture control of the window: shows a pixmap at its top left, the rest transparent, and
// reports a left click.
namespace views {

class ClickablePicture : public QLabel {
public:
    explicit ClickablePicture(QWidget* parent);

    std::function<void()> onClick;
    int pictureId() const { return pictureId_; }
    void setPicture(int id, const QPixmap& pixmap);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int pictureId_ = 0;
};

}  // namespace views
