#include "ui/window_art.h"

#include <QPainter>
#include <QSvgRenderer>
#include <cmath>

#include "render/image_surface.h"
#include "render/rounding.h"
#include "ui/qt_colour.h"

namespace tallowen::art {

namespace {

QImage render(const QString& name, QSize devicePixels) {
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QSvgRenderer svg(QStringLiteral(":/art/%1.svg").arg(name));
    QPainter painter(&image);
    svg.render(&painter);
    return image;
}

}  // namespace

QImage picture(const QString& name, QSizeF size, double pixelRatio) {
    QImage image = render(name, (size * pixelRatio).toSize());
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

QImage buttonPicture(const QString& name, QSize size, double pixelRatio, Colour white, const SystemColours& system) {
    // Whole-pixel art renders exactly at a whole multiple of its size; other ratios take the next
    // whole one and shrink without blending.
    const int whole = static_cast<int>(std::ceil(pixelRatio));
    QImage image = render(name, size * whole);
    const QSize device = (QSizeF(size) * pixelRatio).toSize();
    if (image.size() != device) image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    ImageSurface surface(0, 0, kBlack);
    surface.setImage(image);
    MapSysColours(surface, white, system);
    QImage recoloured = surface.image();
    recoloured.setDevicePixelRatio(pixelRatio);
    return recoloured;
}

QImage windowFrame(const WindowLayout& l, QSize size, double pixelRatio, const SystemColours& system) {
    QImage frame(size * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    frame.setDevicePixelRatio(pixelRatio);
    QPainter painter(&frame);
    painter.fillRect(QRect(QPoint(0, 0), size), toQColor(system.buttonFace));
    const auto draw = [&](const QString& name, const PixelRect& r) {
        const QRectF target(r.Left, r.Top, r.Width, r.Height);
        if (!target.isEmpty()) painter.drawImage(target, picture(name, target.size(), pixelRatio));
    };
    draw("side_picture", l.Image3);
    for (const PixelRect* strip : {&l.Image5, &l.Image6}) draw("bevel_side", *strip);
    for (const PixelRect* strip : {&l.Image7, &l.Image8}) draw("bevel_edge", *strip);
    for (const PixelRect* strip : {&l.Image13, &l.Image14}) draw("bevel_separator", *strip);
    for (const PixelRect* corner : {&l.Image9, &l.Image11, &l.Image12}) draw("bevel_corner", *corner);
    painter.setPen(toQColor(system.darkShadow));
    // The border lies on whole pixels of the window.
    for (const LineSegment& line : l.Lin)
        painter.drawLine(QPoint(roundHalfEven(line.X1), roundHalfEven(line.Y1)),
                         QPoint(roundHalfEven(line.X2), roundHalfEven(line.Y2)));
    return frame;
}

}  // namespace tallowen::art
