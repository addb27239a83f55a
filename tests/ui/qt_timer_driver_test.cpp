#include "ui/qt_timer_driver.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>

namespace tallowen {
namespace {

TEST(QtTimerDriver, ModelTimersRunOnTheEventLoopAndStopWhenTheModelSaysSo) {
    QtTimerDriver driver;
    int shown = 0;
    driver.setAfterFire([&] { ++shown; });
    Timer once{"once", 20};
    Timer ticking{"ticking", 5};
    int onceFired = 0;
    int ticks = 0;
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
}

TEST(QtTimerDriver, AChangedIntervalCountsFromTheChange) {
    QtTimerDriver driver;
    Timer slow{"slow", 5000};
    int fired = 0;
    slow.setHandler([&] { ++fired; });
    driver.attach(slow);
    slow.setEnabled(true);
    slow.setInterval(10);
    EXPECT_EQ(driver.qtTimer(slow)->interval(), 10);
    ASSERT_TRUE(QTest::qWaitFor([&] { return fired >= 1; }, 1000));
}

}  // namespace
}  // namespace tallowen
