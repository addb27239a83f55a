#include "ui/position_view.h"

#include <QPainter>

#include "records/game_review.h"

namespace tallowen {

namespace {

constexpr int kLabels = 18;  // the band of letters and numbers

}  // namespace

PositionView::PositionView(QWidget* parent) : QWidget(parent) {
    setFixedSize(kBoardWidth + kLabels, kBoardWidth * 3 / 4 + kLabels);
}

void PositionView::setPicture(const QImage& picture, int side) {
    picture_ = picture;
    side_ = side;
    update();
}

QRect PositionView::boardRect() const { return {kLabels, kLabels, kBoardWidth, kBoardWidth * 3 / 4}; }

void PositionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const QRect board = boardRect();
    painter.drawImage(board, picture_);
    if (side_ <= 0) return;
    painter.setPen(QColor(200, 200, 215));
    const double w = static_cast<double>(board.width()) / side_, h = static_cast<double>(board.height()) / side_;
    for (int i = 0; i < side_; ++i) {
        const std::string name = cellName(i, i);
        const auto column = QString(QChar::fromLatin1(name[0]));
        const auto row = QString::number(i + 1);
        painter.drawText(QRectF(board.left() + i * w, 0, w, kLabels), Qt::AlignCenter, column);
        painter.drawText(QRectF(0, board.top() + i * h, kLabels, h), Qt::AlignCenter, row);
    }
}

}  // namespace tallowen
