#include "ui/picture_button.h"

#include <QMouseEvent>
#include <QPainter>

namespace tallowen {

PictureButton::PictureButton(QWidget* parent, const QString& toolTip) : QWidget(parent) {
    setToolTip(toolTip);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureButton::setPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSizeF picture = picture_.deviceIndependentSize();
    const bool twoLooks = picture.height() >= 2 * height();
    if (!isEnabled()) painter.setOpacity(0.35);
    painter.drawImage(QPointF(0, pressed_ && twoLooks ? -height() : 0), picture_);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setPressed(true);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !pressed_) return;
    setPressed(false);
    if (rect().contains(event->position().toPoint()) && onClick_) onClick_();
}

void PictureButton::setPressed(bool pressed) {
    pressed_ = pressed;
    update();
}

}  // namespace tallowen
