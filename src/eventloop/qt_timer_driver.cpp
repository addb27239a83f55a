#include "eventloop/qt_timer_driver.h"

namespace tallowen {

void QtTimerDriver::attach(Timer& timer) {
    auto& slot = timers_[&timer];
    if (!slot) {
        slot = std::make_unique<QTimer>();
        QObject::connect(slot.get(), &QTimer::timeout, [this, &timer] {
            timer.fire();
            if (afterFire_) afterFire_();
        });
    }
    timer.setDriver(this);
    if (timer.enabled()) armed(timer);
}

void QtTimerDriver::detach(Timer& timer) {
    const auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    // The timer may be going from its own handler, inside the QTimer's signal.
    it->second->stop();
    it->second.release()->deleteLater();
    timers_.erase(it);
    timer.setDriver(nullptr);
}

void QtTimerDriver::armed(Timer& timer) {
    const auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    it->second->start(timer.interval());
}

void QtTimerDriver::disarmed(Timer& timer) {
    const auto it = timers_.find(&timer);
    if (it == timers_.end()) return;
    it->second->stop();
}

const QTimer* QtTimerDriver::qtTimer(const Timer& timer) const {
    const auto it = timers_.find(&timer);
    return it == timers_.end() ? nullptr : it->second.get();
}

}  // namespace tallowen
