#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/virtual_clock.h"

namespace tallowen {
namespace {

TEST(VirtualClock, FiresByDeadlineThenArmingOrderAndCountsReArmsFromThen) {
    VirtualClock clock;
    Timer slow("slow", 1000), fast("fast", 300), once("once", 200), a("a", 100), b("b", 100);
    std::vector<std::string> log;
    auto note = [&](Timer& t) { log.push_back(t.name() + "@" + std::to_string(clock.now())); };
    slow.setHandler([&] { note(slow); });
    fast.setHandler([&] {
        note(fast);
        // Changing the interval inside the handler counts from this moment.
        fast.setInterval(500);
    });
    once.setHandler([&] {
        note(once);
        once.setEnabled(false);
        slow.setEnabled(false);
        slow.setEnabled(true);  // re-armed at 200: next at 1200
    });
    for (Timer* t : {&a, &b})
        t->setHandler([&, t] {
            note(*t);
            t->setEnabled(false);
        });
    for (Timer* t : {&slow, &fast, &once, &a, &b}) clock.attach(*t);
    for (Timer* t : {&slow, &fast, &once, &b, &a}) t->setEnabled(true);
    clock.advance(1250);
    EXPECT_EQ(log, (std::vector<std::string>{"b@100", "a@100", "once@200", "fast@300", "fast@800", "slow@1200"}));
    EXPECT_EQ(clock.now(), 1250);
    EXPECT_FALSE(clock.runUntil([] { return false; }, 2));
    EXPECT_EQ(log.back(), "fast@1800");
    slow.setEnabled(false);
    fast.setEnabled(false);
    EXPECT_FALSE(clock.step());
}

// A timer that lives only as long as something else (a network session's) may go while it runs.
TEST(VirtualClock, ATimerThatGoesIsNeverFiredAgain) {
    VirtualClock clock;
    int fired = 0;
    Timer stays("stays", 300);
    clock.attach(stays);
    stays.setEnabled(true);
    {
        DrivenTimer goes("goes", 100, clock);
        goes.setHandler([&] { ++fired; });
        goes.setEnabled(true);
        clock.advance(150);
    }
    clock.advance(1000);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(clock.now(), 1150);
}

TEST(Timer, ATickIsSkippedWhileItsHandlerStillRuns) {
    Timer t("t", 10);
    int runs = 0;
    t.setHandler([&] {
        ++runs;
        t.fire();  // as if pending events delivered the next tick inside the handler
    });
    t.setEnabled(true);
    t.fire();
    EXPECT_EQ(runs, 1);
}

}  // namespace
}  // namespace tallowen
