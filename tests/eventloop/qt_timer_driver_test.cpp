#include "eventloop/qt_timer_driver.h"

#include <gtest/gtest.h>

#include <QTest>

namespace tallowen {
namespace {

TEST(QtTimerDriver, ModelTimersRunOnTheEventLoopAndStopWhenTheModelSaysSo) {
    QtTimerDriver driver;
    int shown = 0, onceFired = 0, ticks = 0;
    driver.setAfterFire([&] { ++shown; });
    Timer once{"once", 20}, ticking{"ticking", 5};
    // A handler that stops its own timer fires exactly once, as a turn change does.
    once.setHandler([&] {
        ++onceFired;
        once.setEnabled(false);
    });
    ticking.setHandler([&] { ++ticks; });
    ticking.setEnabled(true);  // enabled before it is attached: it starts counting at attach
    driver.attach(once);
    driver.attach(ticking);
    once.setEnabled(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return onceFired == 1 && ticks >= 3; }, 2000));
    QTest::qWait(60);
    EXPECT_EQ(onceFired, 1);
    EXPECT_EQ(shown, onceFired + ticks) << "the window is shown what each tick changed";

    ticking.setEnabled(false);
    const int stoppedAt = ticks;
    QTest::qWait(40);
    EXPECT_EQ(ticks, stoppedAt);
    EXPECT_FALSE(driver.qtTimer(ticking)->isActive());
    // A changed interval counts from the change.
    once.setInterval(5000);
    once.setEnabled(true);
    once.setInterval(10);
    EXPECT_EQ(driver.qtTimer(once)->interval(), 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return onceFired == 2; }, 1000));
}

}  // namespace
}  // namespace tallowen
