#include "ui/screen_fitting_area.h"

#include <QEvent>
#include <QScreen>
#include <QStyle>
#include <algorithm>

namespace tallowen {

ScreenFittingArea::ScreenFittingArea(QWidget* content, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidget(content);
    window()->installEventFilter(this);
}

QSize ScreenFittingArea::room() const {
    const QWidget* top = window();
    const QScreen* screen = top->screen();
    if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    // The window manager's frame is known once the window has been placed; before that, a
    // title bar's height stands in for it.
    QSize decoration = top->frameGeometry().size() - top->size();
    if (decoration.height() <= 0) decoration = QSize(0, style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return screen->availableGeometry().size() - decoration;
}

QSize ScreenFittingArea::sizeHint() const {
    const QSize content = widget()->sizeHint();
    const QSize room = this->room();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const bool tall = content.height() > room.height();
    const int width = content.width() + (tall ? bar : 0);
    const bool wide = width > room.width();
    const int height = content.height() + (wide ? bar : 0);
    return {std::min(width, room.width()), std::min(height, room.height())};
}

bool ScreenFittingArea::eventFilter(QObject* watched, QEvent* event) {
    // Once the window is placed its frame is known, and on another screen the room is another:
    // the window refits, and where that made it larger it is moved back onto the screen.
    QWidget* top = window();
    if (watched == top && event->type() == QEvent::Move) updateGeometry();
    if (watched == top && event->type() == QEvent::Resize && top->screen()) {
        const QRect frame = top->frameGeometry();
        const QPoint inside = placedInside(top->screen()->availableGeometry(), frame);
        if (inside != frame.topLeft()) top->move(inside);
    }
    return QScrollArea::eventFilter(watched, event);
}

QPoint placedInside(const QRect& available, const QRect& wanted) {
    const int x = std::min(wanted.left(), available.left() + available.width() - wanted.width());
    const int y = std::min(wanted.top(), available.top() + available.height() - wanted.height());
    return {std::max(x, available.left()), std::max(y, available.top())};
}

void presentCentredFirstTime(QWidget& window) {
    if (!window.isVisible() && !window.testAttribute(Qt::WA_Moved)) {
        QRect frame = window.frameGeometry();
        frame.moveCenter(window.screen()->availableGeometry().center());
        window.move(placedInside(window.screen()->availableGeometry(), frame));
    }
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace tallowen
