#include <gtest/gtest.h>

#include "engine/headless_game.h"
#include "opponent/computer_opponent.h"
#include "opponent/hint.h"
#include "task_queue.h"

namespace tallowen {
namespace {

// A hint for Ann on a headless window; "PC Master"'s thread reports through the task queue.
struct HintTest : ::testing::Test {
    HintTest() {
        game.setComputerPlayer(&computer);
        headless.clock().attach(hint.TimHint);
        hint.setLimits({0, 5000, 0});
    }
    ~HintTest() override { game.setComputerPlayer(nullptr); }
    void start(const std::string& player2) {
        headless.start(MoveRule::Star, "+XXXX" "XXXXX" "XXXXX" "XXXXX" "XXXX-" "1", "Ann", player2);
    }
    // Runs the window thread's tasks until the hint has come or has been dropped.
    void waitForHint() {
        while (hint.searching()) ASSERT_TRUE(queue.runNext());
        queue.drain();
    }
    void move(int sx, int sy, int tx, int ty) {
        game.PLKlik(sx, sy);
        game.PLKlik(tx, ty);
        headless.finishTurnChange();
    }

    TaskQueue queue;
    HeadlessGame headless;
    GameWindow& game = headless.game();
    ComputerOpponent computer{game, queue.poster()};
    Hint hint{game, computer.master()};
};

TEST_F(HintTest, AMoveOfThePersonShownUntilTheNextPressOrThreeSecondsChangingNothing) {
    start("Bob");
    const Board before = game.board;
    hint.ask();
    EXPECT_TRUE(hint.searching());
    EXPECT_FALSE(hint.shown());
    waitForHint();
    const auto shown = hint.shown();
    ASSERT_TRUE(shown);
    EXPECT_EQ(game.board(shown->sx, shown->sy), pieceOf(1));
    EXPECT_EQ(game.board(shown->tx, shown->ty), kEmpty);
    EXPECT_EQ(game.board, before);
    EXPECT_EQ(game.Selection, 0);
    headless.clock().advance(Hint::kShownMs - 1);
    EXPECT_TRUE(hint.shown());
    headless.clock().advance(1);
    EXPECT_FALSE(hint.shown());

    hint.ask();
    waitForHint();
    ASSERT_TRUE(hint.shown());
    hint.press();
    EXPECT_FALSE(hint.shown());
    // A press while the search runs drops the hint on its way.
    hint.ask();
    hint.press();
    queue.drain();
    EXPECT_FALSE(hint.searching());
    EXPECT_FALSE(hint.shown());
}

TEST_F(HintTest, NeverOnTheComputersTurnNorForAPositionTakenBack) {
    computer.setMasterLimits({0, 3000, 0});
    start("PC Master");
    EXPECT_TRUE(hint.offered());
    game.PLKlik(0, 0);
    game.PLKlik(1, 1);
    EXPECT_FALSE(hint.offered()) << "the turn passes";
    headless.finishTurnChange();
    EXPECT_FALSE(hint.offered()) << "the computer thinks";
    hint.ask();
    EXPECT_FALSE(hint.searching());
    while (!game.TimPC.enabled()) ASSERT_TRUE(queue.runNext());
    EXPECT_FALSE(hint.offered()) << "the computer's move";
    headless.clock().runUntil([&] { return !game.TimPC.enabled(); });
    headless.finishTurnChange();
    ASSERT_TRUE(hint.offered());

    hint.ask();
    ASSERT_TRUE(hint.searching());
    game.TZ_Click(2);
    EXPECT_FALSE(computer.master().thinking()) << "the undo stopped the search";
    queue.drain();
    headless.finishTurnChange();
    EXPECT_FALSE(hint.searching());
    EXPECT_FALSE(hint.shown());

    // A shown hint goes with the position it was for.
    hint.ask();
    waitForHint();
    ASSERT_TRUE(hint.shown());
    game.NG_Click();
    EXPECT_FALSE(hint.shown());
}

// Bob plays on another computer (a network game): his turn is no person's at this one.
TEST_F(HintTest, NeverOnTheTurnOfASeatPlayedElsewhere) {
    start("Bob");
    game.PlayedElsewhere[2] = true;
    ASSERT_TRUE(hint.offered());
    move(0, 0, 1, 1);
    EXPECT_FALSE(hint.offered()) << "Bob is to move over there";
    hint.ask();
    EXPECT_FALSE(hint.searching());
    move(4, 4, 3, 3);
    ASSERT_TRUE(hint.offered());

    // Ann waits on her own turn for the other computer's answer to a request: her seat is held,
    // and the hint found meanwhile is not shown.
    hint.ask();
    game.PlayedElsewhere[1] = true;
    waitForHint();
    EXPECT_FALSE(hint.shown());
    game.PlayedElsewhere[1] = false;

    // A move that arrives from there while a hint is searched for drops it.
    hint.ask();
    ASSERT_TRUE(hint.searching());
    game.PlayedElsewhere[1] = true;
    move(1, 1, 1, 2);
    EXPECT_FALSE(computer.master().thinking());
    queue.drain();
    EXPECT_FALSE(hint.searching());
    EXPECT_FALSE(hint.shown());
}

}  // namespace
}  // namespace tallowen
