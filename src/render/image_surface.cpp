#include "render/image_surface.h"

#include <QPen>
#include <algorithm>
#include <utility>
#include <vector>

#include "render/rounding.h"

namespace tallowen {

namespace {

QRgb toQRgb(Colour c) { return qRgb(redOf(c), greenOf(c), blueOf(c)); }

}  // namespace

ImageSurface::ImageSurface(int width, int height, Colour back) : back_(back) { resize(width, height); }

ImageSurface::~ImageSurface() = default;

void ImageSurface::resize(int width, int height) {
    painter_.reset();
    image_ = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    image_.fill(toQRgb(back_));
}

void ImageSurface::setImage(const QImage& image) {
    painter_.reset();
    image_ = image.convertToFormat(QImage::Format_RGB32);
}

const QImage& ImageSurface::image() {
    // A copy shares the pixels; ending the painter makes the next drawing detach from it.
    painter_.reset();
    return image_;
}

QPainter& ImageSurface::painter() {
    if (!painter_) {
        image_.detach();
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setBrush(Qt::NoBrush);
        pen_.reset();
    }
    return *painter_;
}

void ImageSurface::usePen(Colour colour) {
    QPainter& p = painter();
    if (pen_ == colour) return;
    QPen pen{QColor::fromRgb(toQRgb(colour))};
    pen.setWidth(1);
    p.setPen(pen);
    pen_ = colour;
}

void ImageSurface::fill(int x1, int y1, int x2, int y2, Colour colour) {
    if (image_.isNull()) return;
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    painter().fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), QColor::fromRgb(toQRgb(colour)));
}

void ImageSurface::line(double x1, double y1, double x2, double y2, Colour colour) {
    if (image_.isNull()) return;
    usePen(colour);
    painter_->drawLine(QPoint(roundHalfEven(x1), roundHalfEven(y1)), QPoint(roundHalfEven(x2), roundHalfEven(y2)));
}

void ImageSurface::box(double x1, double y1, double x2, double y2, Colour colour) {
    int l = roundHalfEven(x1), t = roundHalfEven(y1), r = roundHalfEven(x2), b = roundHalfEven(y2);
    if (l > r) std::swap(l, r);
    if (t > b) std::swap(t, b);
    fill(l, t, r, t, colour);
    fill(l, b, r, b, colour);
    fill(l, t, l, b, colour);
    fill(r, t, r, b, colour);
}

void ImageSurface::filledBox(double x1, double y1, double x2, double y2, Colour colour) {
    fill(roundHalfEven(x1), roundHalfEven(y1), roundHalfEven(x2), roundHalfEven(y2), colour);
}

void ImageSurface::ellipse(double cx, double cy, double radius, Colour colour, double aspect) {
    drawEllipse(cx, cy, radius, colour, aspect, false);
}

void ImageSurface::filledEllipse(double cx, double cy, double radius, Colour colour, double aspect) {
    drawEllipse(cx, cy, radius, colour, aspect, true);
}

void ImageSurface::drawEllipse(double cx, double cy, double radius, Colour colour, double aspect, bool filled) {
    const HalfAxes axes = ellipseHalfAxes(std::abs(radius), aspect);
    const int x = roundHalfEven(cx), y = roundHalfEven(cy);
    const int rx = roundHalfEven(axes.rx), ry = roundHalfEven(axes.ry);
    // A flat ellipse is a line through its centre (a dot when both half-axes vanish).
    if (rx == 0 || ry == 0) {
        fill(x - rx, y - ry, x + rx, y + ry, colour);
        return;
    }
    ellipsePixels(x, y, rx, ry, toQRgb(colour), filled);
}

// The midpoint algorithm, written straight into the pixels: the figures draw thousands of small
// ellipses per board, several times faster this way than through the paint engine's spans. Filled,
// each row runs between the outline's outermost pixels on it.
void ImageSurface::ellipsePixels(int cx, int cy, int rx, int ry, QRgb colour, bool filled) {
    if (image_.isNull()) return;
    painter();  // the image is detached from any copy before its pixels are written
    auto* bits = reinterpret_cast<QRgb*>(image_.bits());
    const qsizetype stride = image_.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
    const int w = image_.width(), h = image_.height();
    const bool inside = cx - rx >= 0 && cx + rx < w && cy - ry >= 0 && cy + ry < h;
    const auto plot = [&](int x, int y) {
        if (inside || (x >= 0 && x < w && y >= 0 && y < h)) bits[y * stride + x] = colour;
    };
    std::vector<int> widest(filled ? static_cast<std::size_t>(ry) + 1 : 0, 0);
    const auto plot4 = [&](int dx, int dy) {
        if (filled) {
            widest[static_cast<std::size_t>(dy)] = std::max(widest[static_cast<std::size_t>(dy)], dx);
            return;
        }
        plot(cx + dx, cy + dy);
        plot(cx - dx, cy + dy);
        plot(cx + dx, cy - dy);
        plot(cx - dx, cy - dy);
    };
    const double rx2 = static_cast<double>(rx) * rx, ry2 = static_cast<double>(ry) * ry;
    int x = 0, y = ry;
    double px = 0, py = 2 * rx2 * y;
    double p = ry2 - rx2 * ry + 0.25 * rx2;
    while (px < py) {
        plot4(x, y);
        ++x;
        px += 2 * ry2;
        if (p < 0) {
            p += ry2 + px;
        } else {
            --y;
            py -= 2 * rx2;
            p += ry2 + px - py;
        }
    }
    p = ry2 * (x + 0.5) * (x + 0.5) + rx2 * (y - 1.0) * (y - 1.0) - rx2 * ry2;
    while (y >= 0) {
        plot4(x, y);
        --y;
        py -= 2 * rx2;
        if (p > 0) {
            p += rx2 - py;
        } else {
            ++x;
            px += 2 * ry2;
            p += rx2 - py + px;
        }
    }
    const auto span = [&](int row, int half) {
        const int from = std::max(cx - half, 0), to = std::min(cx + half, w - 1);
        if (row < 0 || row >= h || from > to) return;
        std::fill(bits + row * stride + from, bits + row * stride + to + 1, colour);
    };
    for (int dy = 0; dy < static_cast<int>(widest.size()); ++dy) {
        span(cy - dy, widest[static_cast<std::size_t>(dy)]);
        if (dy > 0) span(cy + dy, widest[static_cast<std::size_t>(dy)]);
    }
}

void ImageSurface::filledPolygon(std::span<const SurfacePoint> corners, Colour colour) {
    if (image_.isNull() || corners.empty()) return;
    QPolygon polygon;
    for (const SurfacePoint& c : corners) polygon << QPoint(roundHalfEven(c.x), roundHalfEven(c.y));
    QPainter& p = painter();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(toQRgb(colour)));
    p.drawPolygon(polygon);
    p.setBrush(Qt::NoBrush);
    pen_.reset();
}

std::optional<Colour> ImageSurface::point(double x, double y) const {
    const int px = roundHalfEven(x), py = roundHalfEven(y);
    if (!image_.valid(px, py)) return std::nullopt;
    const QRgb p = image_.pixel(px, py);
    return rgb(qRed(p), qGreen(p), qBlue(p));
}

void ImageSurface::setPoint(double x, double y, Colour colour) {
    const int px = roundHalfEven(x), py = roundHalfEven(y);
    if (image_.valid(px, py)) fill(px, py, px, py, colour);
}

void ImageSurface::clear() { fill(0, 0, image_.width() - 1, image_.height() - 1, back_); }

void ImageSurface::refresh() {
    if (onRefresh_) onRefresh_();
}

}  // namespace tallowen
