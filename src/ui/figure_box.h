#pragma once

#include <QWidget>

#include "engine/random_source.h"
#include "render/image_surface.h"
#include "setup/figure_selection.h"

namespace tallowen {

// A black picture box that shows one figure as the figure painter draws it, the cell as high as
// the box. It repaints only when the preview's revision moves on, so random designs keep their
// look between events. A click is reported.
class FigureBox : public QWidget {
    Q_OBJECT
public:
    FigureBox(RandomSource& random, const int& figureDetail, QWidget* parent = nullptr);

    void display(const FigurePreview& preview);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void paintFigure();

    RandomSource& random_;
    const int& figureDetail_;
    ImageSurface surface_;
    FigurePreview shown_;
};

}  // namespace tallowen
