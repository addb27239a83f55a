#include "ui/picture_store.h"

#include <QPainter>
#include <QPainterPath>
#include <QResource>
#include <QtEndian>
#include <algorithm>

namespace tallowen {

namespace {

constexpr int kIconSize = 32;
constexpr int kHoleBrush = 13;

// A picture drawn from its SVG when the program was built, kept as its width, height and format
// and then its rows (see svg_to_pixels.cpp). An opaque one has no alpha channel, so that it is
// copied, not blended, where it is drawn. The image is drawn straight from the program's resources
// where they lie aligned for it: a copy of the background costs the start about 2 ms.
QImage drawnPicture(const QString& name) {
    const QResource resource(QStringLiteral(":/art/%1.pixels").arg(name));
    const QByteArray data = resource.uncompressedData();
    if (data.size() < 12) return {};
    const auto number = [&data](int at) { return static_cast<int>(qFromLittleEndian<quint32>(data.constData() + at)); };
    const int width = number(0);
    const int height = number(4);
    const auto format = static_cast<QImage::Format>(number(8));
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32_Premultiplied) return {};
    if (width <= 0 || height <= 0 || data.size() != 12 + qsizetype{width} * 4 * height) return {};
    const auto* pixels = reinterpret_cast<const uchar*>(data.constData() + 12);
    // Uncompressed resources stay in the program image for as long as it runs.
    const QImage inPlace(pixels, width, height, width * 4, format);
    return reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0 ? inPlace : inPlace.copy();
}

// The fill of a pointer: the six mark colours by the order of the mark table, then grey.
QColor pointerColour(int index) {
    static const std::array<QColor, 6> colours = {QColor(255, 96, 96),  QColor(96, 128, 255), QColor(240, 96, 240),
                                                  QColor(40, 200, 40),  QColor(250, 220, 0),  QColor(0, 210, 210)};
    if (index == 12 || index == 14) return QColor(191, 191, 191);
    return colours[static_cast<std::size_t>(index % 6)];
}

bool isComputerPointer(int index) { return (index >= 6 && index <= 11) || index == 14; }

QImage drawIcon(int index) {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPolygonF arrow({{1.5, 1.5}, {1.5, 23}, {7, 17.5}, {11, 26.5}, {15, 24.5}, {11, 16}, {18.5, 16}});
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(index == kHoleBrush ? QColor(191, 191, 191) : pointerColour(index));
    p.drawPolygon(arrow);
    p.setBrush(QColor(255, 255, 255, 150));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{3, 5}, {3, 12}, {8, 9.5}}));
    if (isComputerPointer(index)) {
        // A small screen on a stand: the computer moves this pointer.
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(40, 40, 48));
        p.drawRoundedRect(QRectF(17.5, 18.5, 13, 9), 1.5, 1.5);
        p.setBrush(pointerColour(index));
        p.drawRect(QRectF(19.5, 20.5, 9, 5));
        p.setBrush(QColor(40, 40, 48));
        p.drawRect(QRectF(21.5, 27.5, 5, 2.5));
    }
    if (index == kHoleBrush) {
        // A hole in the board: a black square in a grey rim.
        p.setPen(QPen(QColor(127, 127, 127), 2));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(18, 18, 12, 12));
    }
    return image;
}

}  // namespace

const QImage& PictureStore::Image3() {
    if (!logo_) logo_ = drawnPicture(QStringLiteral("logo"));
    return *logo_;
}

const QImage& PictureStore::Image2() {
    if (!background_) background_ = drawnPicture(QStringLiteral("background"));
    return *background_;
}

const QImage& PictureStore::Image1(int index) {
    auto& icon = icons_[static_cast<std::size_t>(std::clamp(index, 0, kIcons - 1))];
    if (!icon) icon = drawIcon(std::clamp(index, 0, kIcons - 1));
    return *icon;
}

QCursor PictureStore::cursor(int index) { return QCursor(QPixmap::fromImage(Image1(index)), 1, 1); }

}  // namespace tallowen
