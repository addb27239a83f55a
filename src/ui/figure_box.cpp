#include "ui/figure_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "render/figure_painter.h"

namespace tallowen {

FigureBox::FigureBox(RandomSource& random, const int& figureDetail, QWidget* parent)
    : QWidget(parent), random_(random), figureDetail_(figureDetail), surface_(1, 1, kBlack) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    shown_.revision = -1;
}

void FigureBox::display(const FigurePreview& preview) {
    if (preview.revision == shown_.revision) return;
    shown_ = preview;
    paintFigure();
}

void FigureBox::paintFigure() {
    surface_.clear();
    if (shown_.code != kNoFigure) {
        const Figure figure{shown_.code, shown_.colour, shown_.level};
        DRWP2(surface_, 0, 0, figure, surface_.innerHeight(), shown_.framed, densityOf(figureDetail_), random_);
    }
    update();
}

// The picture has the screen's pixels, so that it stays sharp where a pixel of the layout is
// several of the screen's.
void FigureBox::resizeEvent(QResizeEvent*) {
    const qreal ratio = devicePixelRatioF();
    surface_.resize(qRound(width() * ratio), qRound(height() * ratio));
    paintFigure();
}

void FigureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), surface_.image());
}

void FigureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace tallowen
