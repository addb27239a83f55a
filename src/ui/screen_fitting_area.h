#pragma once

#include <QRect>
#include <QScrollArea>

namespace tallowen {

// Holds a window's content at its own size, but never larger than the screen leaves room for: on
// a small screen or at a large scale factor the content scrolls instead of running off the
// screen's edge.
class ScreenFittingArea : public QScrollArea {
public:
    ScreenFittingArea(QWidget* content, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QSize room() const;
};

// Where a window's frame stands inside `available` when it is to stand at `wanted`: moved in as
// little as it takes, and with its top left corner inside where it is larger, so that its title
// bar can still be reached.
QPoint placedInside(const QRect& available, const QRect& wanted);

// Shows a top-level window and brings it to the front: centred on its screen the first time, where
// it was left afterwards.
void presentCentredFirstTime(QWidget& window);

}  // namespace tallowen
