#include "ui/valuation_plot.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tallowen {

namespace {

constexpr int kMargin = 8;
const QColor kBackground(16, 20, 40);
const QColor kTurningPoint(255, 64, 64);

}  // namespace

ValuationPlot::ValuationPlot(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(140);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(QStringLiteral("PC Master's valuation after every move: up while player 1 leads, down while player 2 "
                              "does. Click to see a position."));
}

void ValuationPlot::setSeries(const Series& series) {
    series_ = series;
    update();
}

void ValuationPlot::setChosen(std::size_t position) {
    chosen_ = position;
    update();
}

QRectF ValuationPlot::area() const { return QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin); }

QPointF ValuationPlot::placeOf(std::size_t position, double value) const {
    const QRectF a = area();
    const double last = std::max<double>(static_cast<double>(series_.values.size()) - 1, 1);
    const double range = std::max(series_.range, 1);
    return {a.left() + a.width() * static_cast<double>(position) / last, a.center().y() - a.height() / 2 * value / range};
}

void ValuationPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF a = area();
    painter.setPen(QPen(QColor(90, 90, 110), 1));
    painter.drawLine(QPointF(a.left(), a.center().y()), QPointF(a.right(), a.center().y()));

    // Each run of known values: the area between the line and zero in the leader's colour.
    const auto& values = series_.values;
    for (std::size_t k = 0; k + 1 < values.size(); ++k) {
        if (!values[k] || !values[k + 1]) continue;
        const QPointF p = placeOf(k, *values[k]), q = placeOf(k + 1, *values[k + 1]);
        const double zero = a.center().y();
        QPainterPath path(QPointF(p.x(), zero));
        path.lineTo(p);
        path.lineTo(q);
        path.lineTo(QPointF(q.x(), zero));
        const bool lead1 = *values[k] + *values[k + 1] >= 0;
        QColor fill = lead1 ? series_.colour1 : series_.colour2;
        fill.setAlpha(110);
        painter.fillPath(path, fill);
        painter.setPen(QPen(Qt::white, 1.5));
        painter.drawLine(p, q);
    }

    painter.setPen(QColor(200, 200, 215));
    painter.drawText(a, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("\u25B2 ") + series_.name1);
    painter.drawText(a, Qt::AlignLeft | Qt::AlignBottom, QStringLiteral("\u25BC ") + series_.name2);

    painter.setPen(QPen(QColor(255, 220, 90), 1));
    const QPointF chosen = placeOf(chosen_, 0);
    painter.drawLine(QPointF(chosen.x(), a.top()), QPointF(chosen.x(), a.bottom()));

    for (const std::size_t move : series_.turningPoints) {
        if (move + 1 >= values.size() || !values[move + 1]) continue;
        const QPointF at = placeOf(move + 1, *values[move + 1]);
        painter.setPen(QPen(kTurningPoint, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(at, 5, 5);
    }
}

void ValuationPlot::chooseAt(double x) {
    if (series_.values.empty() || !onChoose_) return;
    const QRectF a = area();
    const double last = static_cast<double>(series_.values.size()) - 1;
    const double position = std::round(std::clamp((x - a.left()) / std::max(a.width(), 1.0), 0.0, 1.0) * last);
    onChoose_(static_cast<std::size_t>(position));
}

void ValuationPlot::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) chooseAt(event->position().x());
}

void ValuationPlot::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) chooseAt(event->position().x());
}

}  // namespace tallowen
