#include "engine/virtual_clock.h"

namespace tallowen {

void VirtualClock::attach(Timer& timer) {
    slots_.push_back(Slot{&timer});
    timer.setDriver(this);
    if (timer.enabled()) armed(timer);
}

void VirtualClock::detach(Timer& timer) {
    std::erase_if(slots_, [&timer](const Slot& s) { return s.timer == &timer; });
    timer.setDriver(nullptr);
}

VirtualClock::Slot* VirtualClock::slotOf(Timer& timer) {
    for (Slot& s : slots_)
        if (s.timer == &timer) return &s;
    return nullptr;
}

void VirtualClock::armed(Timer& timer) {
    if (Slot* s = slotOf(timer)) {
        s->armed = true;
        s->deadline = now_ + timer.interval();
        s->sequence = sequence_++;
    }
}

void VirtualClock::disarmed(Timer& timer) {
    if (Slot* s = slotOf(timer)) s->armed = false;
}

VirtualClock::Slot* VirtualClock::nextDue() {
    Slot* best = nullptr;
    for (Slot& s : slots_) {
        if (!s.armed) continue;
        if (!best || s.deadline < best->deadline || (s.deadline == best->deadline && s.sequence < best->sequence))
            best = &s;
    }
    return best;
}

bool VirtualClock::step() {
    Slot* s = nextDue();
    if (!s) return false;
    now_ = s->deadline;
    // The next period counts from this firing unless the handler re-arms the timer itself.
    s->deadline = now_ + s->timer->interval();
    s->sequence = sequence_++;
    s->timer->fire();
    return true;
}

void VirtualClock::advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    for (Slot* s = nextDue(); s && s->deadline <= end; s = nextDue()) step();
    now_ = end;
}

bool VirtualClock::runUntil(const std::function<bool()>& done, long maxSteps) {
    for (long i = 0; i < maxSteps; ++i) {
        if (done()) return true;
        if (!step()) return done();
    }
    return done();
}

}  // namespace tallowen
