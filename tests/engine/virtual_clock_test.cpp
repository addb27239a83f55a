#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/virtual_clock.h"

namespace tallowen {
namespace {

TEST(VirtualClock, FiresInDeadlineOrderAndCountsReArmsFromThen) {
    VirtualClock clock;
    Timer slow("slow", 1000), fast("fast", 300), once("once", 200);
    std::vector<std::string> log;
    auto note = [&](const char* what) { log.push_back(std::string(what) + "@" + std::to_string(clock.now())); };
    slow.setHandler([&] { note("slow"); });
    fast.setHandler([&] {
        note("fast");
        // Changing the interval inside the handler counts from this moment.
        fast.setInterval(500);
    });
    once.setHandler([&] {
        note("once");
        once.setEnabled(false);
        slow.setEnabled(false);
        slow.setEnabled(true);  // re-armed at 200: next at 1200
    });
    for (Timer* t : {&slow, &fast, &once}) clock.attach(*t);
    slow.setEnabled(true);
    fast.setEnabled(true);
    once.setEnabled(true);
    clock.advance(1250);
    EXPECT_EQ(log, (std::vector<std::string>{"once@200", "fast@300", "fast@800", "slow@1200"}));
    EXPECT_EQ(clock.now(), 1250);
}

TEST(VirtualClock, EqualDeadlinesFireInArmingOrderAndDisabledTimersNever) {
    VirtualClock clock;
    Timer a("a", 100), b("b", 100), c("c", 50);
    std::string order;
    a.setHandler([&] { order += 'a'; });
    b.setHandler([&] { order += 'b'; });
    c.setHandler([&] { order += 'c'; });
    for (Timer* t : {&a, &b, &c}) clock.attach(*t);
    b.setEnabled(true);
    a.setEnabled(true);
    clock.advance(100);
    EXPECT_EQ(order, "ba");
    order.clear();
    EXPECT_FALSE(clock.runUntil([] { return false; }, 3));
    EXPECT_EQ(order, "bab");
    b.setEnabled(false);
    a.setEnabled(false);
    EXPECT_FALSE(clock.step());
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
