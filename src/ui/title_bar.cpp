#include "ui/title_bar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "render/rounding.h"

namespace tallowen {

namespace {

constexpr const char* kToolTips[TitleBar::kButtons] = {"Exit",         "Music",    "Minimalize", "Restart game",
                                                       "New game",     "Undo",     "About...",   "Can't undo"};
constexpr int kButtonSize = 22;

}  // namespace

TitleBar::TitleBar(QWidget* window) : QWidget(window), caption_(this) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    caption_.setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = caption_.font();
    font.setBold(true);
    font.setPixelSize(13);
    caption_.setFont(font);
    for (int i = 0; i < kButtons; ++i) buttons_[static_cast<std::size_t>(i)] = new PictureButton(this, kToolTips[i]);
    buttons_[kCantUndo]->raise();
}

void TitleBar::place(const WindowLayout& layout) {
    const PixelRect& bar = layout.Picture11;
    setGeometry(roundHalfEven(bar.Left), roundHalfEven(bar.Top), roundHalfEven(bar.Width), roundHalfEven(bar.Height));
    const int top = (height() - kButtonSize) / 2;
    for (int i = 0; i < kButtons; ++i) {
        const int frame = i == kCantUndo ? kUndo : i;
        buttons_[static_cast<std::size_t>(i)]->setGeometry(roundHalfEven(layout.Picture12Left[static_cast<std::size_t>(frame)]),
                                                           top, kButtonSize, kButtonSize);
    }
    const int captionEnd = roundHalfEven(layout.Picture12Left[3]) - 4;
    caption_.setGeometry(6, 0, std::max(captionEnd - 6, 0), height());
}

void TitleBar::setLooks(const QImage& active, const QImage& inactive) {
    active_ = active;
    inactive_ = inactive;
    update();
}

void TitleBar::setActive(bool active) {
    if (active == isActive_) return;
    isActive_ = active;
    update();
}

void TitleBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(rect(), isActive_ ? active_ : inactive_);
}

void TitleBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    drag_ = Drag::Starting;
    dragFrom_ = event->globalPosition().toPoint();
}

void TitleBar::mouseMoveEvent(QMouseEvent* event) {
    if (drag_ == Drag::Starting) {
        // The window system moves the window itself where it can (and must, under Wayland).
        if (window()->windowHandle() && window()->windowHandle()->startSystemMove()) {
            drag_ = Drag::None;
            return;
        }
        drag_ = Drag::ByHand;
    }
    if (drag_ != Drag::ByHand) return;
    const QPoint now = event->globalPosition().toPoint();
    window()->move(window()->pos() + now - dragFrom_);
    dragFrom_ = now;
}

void TitleBar::mouseReleaseEvent(QMouseEvent*) { drag_ = Drag::None; }

}  // namespace tallowen
