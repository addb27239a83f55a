#include "ui/board_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tallowen {

namespace {

constexpr int kPointerRadius = 6;

QRectF around(const QLineF& line, double width) {
    return QRectF(line.p1(), line.p2()).normalized().adjusted(-width, -width, width, width);
}

QRectF pointerArea(const QPointF& p) {
    const double r = kPointerRadius + 3;
    return {p.x() - r, p.y() - r, 2 * r, 2 * r};
}

}  // namespace

BoardWidget::BoardWidget(QWidget* parent, ImageSurface& surface) : PictureBox(parent, surface) {
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void BoardWidget::setMarks(const BoardMarks& marks) {
    if (marks == marks_) return;
    updateMarks(marks_);
    marks_ = marks;
    updateMarks(marks_);
}

void BoardWidget::updateMarks(const BoardMarks& marks) {
    for (const QRectF& shape : marks.shapes) update(shape.toAlignedRect().adjusted(-3, -3, 3, 3));
    for (std::size_t i = 0; i < marks.lines.size(); ++i) update(around(marks.lines[i], marks.lineWidths[i]).toAlignedRect());
    if (marks.keyPointer) update(pointerArea(*marks.keyPointer).toAlignedRect());
    for (const auto& cell : {marks.hintSource, marks.hintTarget})
        if (cell) update(cell->toAlignedRect().adjusted(-3, -3, 3, 3));
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    PictureBox::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    // The last move: a dashed frame on its source, a solid one on its target.
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(marks_.shapes[0].adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(marks_.shapes[1].adjusted(1.5, 1.5, -1.5, -1.5));
    painter.setPen(QPen(marks_.selection, 2));
    painter.drawRect(marks_.shapes[2].adjusted(1, 1, -1, -1));
    for (std::size_t i = 0; i < marks_.lines.size(); ++i) {
        painter.setPen(QPen(marks_.lineColours[i], marks_.lineWidths[i], Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(marks_.lines[i]);
    }
    if (marks_.hintSource) {
        painter.setPen(QPen(marks_.selection, 2));
        painter.drawRect(marks_.hintSource->adjusted(1, 1, -1, -1));
    }
    if (marks_.hintTarget) drawTargetMark(painter, *marks_.hintTarget);
    if (marks_.keyPointer) {
        // A white cross edged in black, visible on every colour of the board, its centre on the
        // pixel where the press lands.
        painter.setRenderHint(QPainter::Antialiasing, false);
        const QPoint c = marks_.keyPointer->toPoint();
        const int r = kPointerRadius;
        painter.fillRect(c.x() - r - 1, c.y() - 2, 2 * r + 3, 5, Qt::black);
        painter.fillRect(c.x() - 2, c.y() - r - 1, 5, 2 * r + 3, Qt::black);
        painter.fillRect(c.x() - r, c.y(), 2 * r + 1, 1, Qt::white);
        painter.fillRect(c.x(), c.y() - r, 1, 2 * r + 1, Qt::white);
    }
}

void BoardWidget::drawTargetMark(QPainter& painter, const QRectF& cell) const {
    // The band and the two outlines the board paints around a target, H being the cell's height.
    const double H = cell.height();
    const double bandOuter = H / 15, bandInner = H / 6 + 1;
    const double band = bandInner - bandOuter;
    painter.setPen(QPen(marks_.hintBand, band, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const double middle = bandOuter + band / 2;
    painter.drawRect(cell.adjusted(middle, middle, -middle, -middle));
    painter.setPen(QPen(marks_.hintOutline, 1));
    for (const double inset : {H / 6 + 1, H / 6 - 1}) painter.drawRect(cell.adjusted(inset, inset, -inset, -inset));
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
    if (onHover) onHover(event);
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    if (onKey) onKey(event);
}

}  // namespace tallowen
