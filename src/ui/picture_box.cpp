#include "ui/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

namespace tallowen {

PictureBox::PictureBox(QWidget* parent, ImageSurface& surface) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QPointF PictureBox::scale() const {
    if (width() <= 0 || height() <= 0) return {1, 1};
    return {static_cast<double>(surface_.innerWidth()) / width(), static_cast<double>(surface_.innerHeight()) / height()};
}

void PictureBox::changed(const QRectF& deviceRect) {
    const QPointF s = scale();
    const QRectF logical(deviceRect.left() / s.x(), deviceRect.top() / s.y(), deviceRect.width() / s.x(),
                         deviceRect.height() / s.y());
    update(logical.toAlignedRect().adjusted(-1, -1, 1, 1));
}

void PictureBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRectF target = event->rect();
    if (surface_.innerWidth() == 0 || surface_.innerHeight() == 0) {
        painter.fillRect(target, Qt::black);
        return;
    }
    const QPointF s = scale();
    painter.drawImage(target, surface_.image(),
                      QRectF(target.left() * s.x(), target.top() * s.y(), target.width() * s.x(), target.height() * s.y()));
}

}  // namespace tallowen
