#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "engine/timer.h"

namespace tallowen {

// Binds the models' timers to QTimers on the window thread: a timer armed by the model starts (or
// restarts) its QTimer with the current interval, and each timeout calls the model's handler.
class QtTimerDriver final : public TimerDriver {
public:
    QtTimerDriver() = default;
    QtTimerDriver(const QtTimerDriver&) = delete;
    QtTimerDriver& operator=(const QtTimerDriver&) = delete;

    void attach(Timer& timer) override;
    void detach(Timer& timer) override;
    // Called after each timer's handler has run, so that a window can show what it changed.
    void setAfterFire(std::function<void()> afterFire) { afterFire_ = std::move(afterFire); }

    void armed(Timer& timer) override;
    void disarmed(Timer& timer) override;

    // The QTimer behind a model timer, for tests that wait on it; nothing when not attached.
    const QTimer* qtTimer(const Timer& timer) const;

private:
    std::map<const Timer*, std::unique_ptr<QTimer>> timers_;
    std::function<void()> afterFire_;
};

}  // namespace tallowen
