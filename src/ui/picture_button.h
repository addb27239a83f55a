#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace tallowen {

// A picture that acts as a button. A picture twice as high as the button holds the normal look
// above the pressed look and is shifted up by the button's height while the mouse button is held
// down on it; a click is a press and a release on the button.
class PictureButton : public QWidget {
public:
    PictureButton(QWidget* parent, const QString& toolTip);

    void setPicture(const QImage& picture);
    void setOnClick(std::function<void()> onClick) { onClick_ = std::move(onClick); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void setPressed(bool pressed);

    QImage picture_;
    bool pressed_ = false;
    std::function<void()> onClick_;
};

}  // namespace tallowen
