#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "engine/headless_game.h"
#include "opponent/computer_opponent.h"
#include "ui/qt_timer_driver.h"
#include "ui/window_thread_post.h"

namespace tallowen {
namespace {

TEST(MasterOnTheWindowThread, TheEventLoopRunsWhileItThinksAndItsMoveArrivesThere) {
    QObject window;
    HeadlessGame headless;
    GameWindow& game = headless.game();
    ComputerOpponent computer(game, postToThreadOf(&window));
    computer.setMasterLimits({300, 0, 0});
    game.setComputerPlayer(&computer);
    headless.start(MoveRule::Star, "+" + std::string(119, 'X') + "-1", "PC Master", "Bob");
    ASSERT_TRUE(game.Picture9.Visible);  // thinking, on its own thread
    QtTimerDriver driver;
    for (Timer* timer : {&game.TimCHng, &game.TimerT, &game.TimPC}) driver.attach(*timer);

    // A 1 ms timer stands for the window's events: it must keep firing while the search runs.
    int ticks = 0;
    qint64 longestGap = 0;
    QElapsedTimer sinceTick;
    sinceTick.start();
    QTimer events;
    QObject::connect(&events, &QTimer::timeout, [&] {
        ++ticks;
        longestGap = std::max(longestGap, sinceTick.restart());
    });
    events.start(1);
    QTRY_VERIFY_WITH_TIMEOUT(computer.masterResult().has_value(), 10000);
    EXPECT_GE(ticks, 10);
    RecordProperty("longest_gap_ms", static_cast<int>(longestGap));

    // The two timed clicks play it: TimPC was started on the window thread (a QTimer started
    // from another thread would not run).
    const master::CellMove best = *computer.masterResult()->best;
    QTRY_COMPARE_WITH_TIMEOUT(game.board(best.tx, best.ty), pieceOf(1), 5000);
    game.setComputerPlayer(nullptr);
}

}  // namespace
}  // namespace tallowen
