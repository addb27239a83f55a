#include "ui/edged_label.h"

#include <QPainter>
#include <QPainterPath>

namespace tallowen {

void EdgedLabel::paintEvent(QPaintEvent*) {
    const QString shown = text();
    if (shown.isEmpty()) return;
    const QColor ink = palette().color(QPalette::WindowText);
    const QColor edge = qGray(ink.rgb()) > 110 ? Qt::black : Qt::white;
    const QFontMetricsF metrics(font());
    const QRectF area = contentsRect();
    const double width = metrics.horizontalAdvance(shown);
    double x = area.left();
    if (alignment() & Qt::AlignRight) x = area.right() - width;
    if (alignment() & Qt::AlignHCenter) x = area.left() + (area.width() - width) / 2;
    const double baseline = area.top() + (area.height() - metrics.height()) / 2 + metrics.ascent();

    QPainterPath path;
    path.addText(x, baseline, font(), shown);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.strokePath(path, QPen(edge, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(path, ink);
}

}  // namespace tallowen
