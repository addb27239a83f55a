#include "ui/after_first_paint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace tallowen {

namespace {

// Watches the window's first exposure; Qt paints the exposed window before the next posted call.
class FirstExposure : public QObject {
public:
    FirstExposure(QWindow& window, std::function<void()> then) : QObject(&window), then_(std::move(then)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Expose && window->isExposed() && then_) {
            QTimer::singleShot(0, window, std::exchange(then_, nullptr));
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> then_;
};

}  // namespace

void afterFirstPaint(QWidget& window, std::function<void()> then) {
    window.winId();  // makes the window's handle
    new FirstExposure(*window.windowHandle(), std::move(then));
}

}  // namespace tallowen
