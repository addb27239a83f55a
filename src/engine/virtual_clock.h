#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/timer.h"

namespace tallowen {

// Drives timers on simulated time: each call fires the timer that is due first, moving the time to
// its deadline, so a whole game runs in microseconds with the firing order of real timers. A timer
// that is re-armed inside a handler counts from the moment it was re-armed.
class VirtualClock : public TimerDriver {
public:
    void attach(Timer& timer) override;
    void detach(Timer& timer) override;

    std::int64_t now() const { return now_; }

    // Fires the next due timer; false when no timer is enabled.
    bool step();
    // Fires every timer due up to now + ms in deadline order, then sets the time to now + ms.
    void advance(std::int64_t ms);
    // Steps until done() holds or nothing is enabled or maxSteps have fired; true when done() held.
    bool runUntil(const std::function<bool()>& done, long maxSteps = 10'000'000);

    void armed(Timer& timer) override;
    void disarmed(Timer& timer) override;

private:
    struct Slot {
        Timer* timer;
        bool armed = false;
        std::int64_t deadline = 0;
        std::uint64_t sequence = 0;  // ties on the deadline fire in the order they were armed
    };
    Slot* slotOf(Timer& timer);
    Slot* nextDue();

    std::vector<Slot> slots_;
    std::int64_t now_ = 0;
    std::uint64_t sequence_ = 0;
};

}  // namespace tallowen
