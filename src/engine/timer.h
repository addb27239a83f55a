#pragma once

#include <functional>
#include <string>
#include <utility>

namespace tallowen {

class Timer;

// What drives timers: a QTimer per timer in the windows, a virtual clock in tests and the engine tool.
class TimerDriver {
public:
    virtual ~TimerDriver() = default;
    // Drives the timer from now on; a timer that is already enabled starts counting now.
    virtual void attach(Timer& timer) = 0;
    // Stops driving the timer, which may then go away.
    virtual void detach(Timer& timer) = 0;
    // The timer was enabled, or its interval changed while enabled: it counts from now.
    virtual void armed(Timer& timer) = 0;
    virtual void disarmed(Timer& timer) = 0;
};

// A window timer as data: an enabled flag, an interval and a handler. Enabling a stopped timer, or
// changing the interval of a running one, starts its count anew, as a window toolkit's timer does.
class Timer {
public:
    Timer(std::string name, int intervalMs) : name_(std::move(name)), interval_(intervalMs) {}
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void setHandler(std::function<void()> handler) { handler_ = std::move(handler); }
    void setDriver(TimerDriver* driver) { driver_ = driver; }

    const std::string& name() const { return name_; }
    bool enabled() const { return enabled_; }
    int interval() const { return interval_; }
    // Whether the handler is running now (it may be letting pending events run).
    bool firing() const { return firing_; }

    void setEnabled(bool on) {
        if (on == enabled_) return;
        enabled_ = on;
        if (!driver_) return;
        if (on)
            driver_->armed(*this);
        else
            driver_->disarmed(*this);
    }

    void setInterval(int ms) {
        if (ms == interval_) return;
        interval_ = ms;
        if (enabled_ && driver_) driver_->armed(*this);
    }

    // Called by the driver when the interval has elapsed. A tick that arrives while the handler
    // is still running (it let pending events run) is skipped, as the handler is not re-entrant.
    void fire() {
        if (!enabled_ || !handler_ || firing_) return;
        firing_ = true;
        handler_();
        firing_ = false;
    }

private:
    std::string name_;
    int interval_;
    bool enabled_ = false;
    bool firing_ = false;
    std::function<void()> handler_;
    TimerDriver* driver_ = nullptr;
};

// A timer that its driver drives for as long as it lives.
class DrivenTimer : public Timer {
public:
    DrivenTimer(std::string name, int intervalMs, TimerDriver& driver)
        : Timer(std::move(name), intervalMs), driver_(driver) {
        driver_.attach(*this);
    }
    ~DrivenTimer() { driver_.detach(*this); }

private:
    TimerDriver& driver_;
};

}  // namespace tallowen
