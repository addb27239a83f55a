#pragma once

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <optional>

#include "render/surface.h"

namespace tallowen {

// A surface over a QImage, drawn with an aliased QPainter that stays open between primitives.
class ImageSurface final : public Surface {
public:
    ImageSurface(int width, int height, Colour back);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

    // A new, cleared image of the given size.
    void resize(int width, int height);
    void setBackColour(Colour back) { back_ = back; }
    // Replaces the picture with `image` (artwork loaded from a file).
    void setImage(const QImage& image);
    // Called on every refresh, so that a window can repaint from the image.
    void setOnRefresh(std::function<void()> onRefresh) { onRefresh_ = std::move(onRefresh); }

    // The backing image. Drawing after taking a copy leaves the copy as it was.
    const QImage& image();

    void line(double x1, double y1, double x2, double y2, Colour colour) override;
    void box(double x1, double y1, double x2, double y2, Colour colour) override;
    void filledBox(double x1, double y1, double x2, double y2, Colour colour) override;
    void ellipse(double cx, double cy, double radius, Colour colour, double aspect) override;
    void filledEllipse(double cx, double cy, double radius, Colour colour, double aspect) override;
    void filledPolygon(std::span<const SurfacePoint> corners, Colour colour) override;
    std::optional<Colour> point(double x, double y) const override;
    void setPoint(double x, double y, Colour colour) override;
    void clear() override;
    void refresh() override;
    int innerWidth() const override { return image_.width(); }
    int innerHeight() const override { return image_.height(); }
    Colour backColour() const override { return back_; }

private:
    QPainter& painter();
    void usePen(Colour colour);
    void fill(int x1, int y1, int x2, int y2, Colour colour);
    void drawEllipse(double cx, double cy, double radius, Colour colour, double aspect, bool filled);
    void ellipsePixels(int cx, int cy, int rx, int ry, QRgb colour, bool filled);

    QImage image_;
    std::unique_ptr<QPainter> painter_;
    Colour back_;
    std::optional<Colour> pen_;
    std::function<void()> onRefresh_;
};

}  // namespace tallowen
