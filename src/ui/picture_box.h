#pragma once

#include <QWidget>

#include "render/image_surface.h"

namespace tallowen {

// A picture control over one of the painter's surfaces: it shows the surface's backing image,
// which is drawn at the screen's pixel ratio, and repaints only the parts said to have changed.
class PictureBox : public QWidget {
public:
    PictureBox(QWidget* parent, ImageSurface& surface);

    // The surface's pixels in `deviceRect` changed; nothing is repainted beyond them.
    void changed(const QRectF& deviceRect);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Surface pixels per layout pixel, across and down.
    QPointF scale() const;

    ImageSurface& surface_;
};

}  // namespace tallowen
