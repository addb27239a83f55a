#include "ui/edged_label.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace tallowen {

void EdgedLabel::paintEvent(QPaintEvent*) {
    const QString shown = text();
    if (shown.isEmpty()) return;
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor edge = qGray(ink.rgb()) > 110 ? Qt::black : Qt::white;
    const QRectF area = contentsRect();
    // A text too long for its place (a long name in a small window) is set smaller until it fits.
    QFont fitted = font();
    const double natural = QFontMetricsF(fitted).horizontalAdvance(shown);
    if (natural > area.width() && natural > 0)
        fitted.setPixelSize(std::max(1, static_cast<int>(fitted.pixelSize() * area.width() / natural)));
    const QFontMetricsF metrics(fitted);
    const double width = metrics.horizontalAdvance(shown);
    double x = area.left();
    if (alignment() & Qt::AlignRight) x = area.right() - width;
    if (alignment() & Qt::AlignHCenter) x = area.left() + (area.width() - width) / 2;
    const double baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();

    QPainterPath path;
    path.addText(x, baseline, fitted, shown);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(edge, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, ink);
}

}  // namespace tallowen
