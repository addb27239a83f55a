#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/game_window.h"
#include "engine/headless_game.h"
#include "engine/virtual_clock.h"
#include "opponent/bring_into_view.h"
#include "opponent/computer_opponent.h"

namespace tallowen {
namespace {

// A board view that remembers the progress strip.
struct StripView : HeadlessBoardView {
    void setProgressScale(int units) override { scale = units; }
    void fillProgress(int unit, Colour colour) override { filled.emplace_back(unit, colour); }
    void clearProgress() override { ++clears; }
    int scale = 0;
    std::vector<std::pair<int, Colour>> filled;
    int clears = 0;
};

// Player 1's (2, 2) can grow to (1, 2) or (3, 2), each next to one of player 2's pieces; all else
// is holes.
const std::string kTwoEqualMoves = "00000" "00000" "-X+X-" "00000" "00000" "1";
constexpr const char* kCaption = "Tallowen - Test field";

// A game window on a virtual clock with the computer player attached, started as the setup window
// starts it.
struct ComputerOpponentTest : ::testing::Test {
    ComputerOpponentTest() { game.setComputerPlayer(&computer); }
    void start(const std::string& gameString, const std::string& p1 = "Ann") {
        headless.start(MoveRule::Star, gameString, p1, "Bob");
        game.Label2.Caption = kCaption;
        game.Picture9.Visible = true;
        view.filled.clear();
        view.clears = 0;
    }
    StripView view;
    NoRecorder recorder;
    HeadlessGame headless{&recorder, &view};
    GameWindow& game = headless.game();
    VirtualClock& clock = headless.clock();
    ComputerOpponent computer{game};
};

TEST_F(ComputerOpponentTest, TwoEqualBestMovesAreEachChosenAboutHalfTheTime) {
    start(kTwoEqualMoves);
    int left = 0;
    for (int seed = 1; seed <= 2000; ++seed) {
        game.random = RandomSource(seed);
        ASSERT_TRUE(computer.PcIQ(1, 2));
        game.dropPendingComputerMove();
        ASSERT_EQ(computer.PcSource[0], 2);
        left += computer.PcTarget[0] == 1;
    }
    EXPECT_NEAR(left, 1000, 110);  // the standard deviation is about 22
}

// A full redraw between the two clicks (the window was resized) does not lose the move.
TEST_F(ComputerOpponentTest, TheSourceIsClickedAfter100MsAndTheTarget750MsLater) {
    start(kTwoEqualMoves, "PC Professional");  // the first turn change has searched
    const int tx = static_cast<int>(computer.PcTarget[0]);
    std::vector<std::pair<int, int>> broughtIntoView;
    computer.setBringIntoView([&](int x, int y) { broughtIntoView.emplace_back(x, y); });
    clock.advance(99);
    EXPECT_EQ(game.Selection, 0);
    clock.advance(1);
    EXPECT_EQ(std::make_pair(game.SelX, game.SelY), std::make_pair(2, 2));
    EXPECT_EQ(broughtIntoView, (std::vector<std::pair<int, int>>{{2, 2}}));
    game.Prekr();
    clock.advance(749);
    EXPECT_EQ(game.board(tx, 2), kEmpty);
    clock.advance(1);
    EXPECT_EQ(game.board(tx, 2), pieceOf(1));
    EXPECT_FALSE(game.TimPC.enabled());
    EXPECT_EQ(game.TimPC.interval(), 100);
}

TEST_F(ComputerOpponentTest, TheThinkingDisplayFollowsTheScanAndASideWithoutAMoveStartsNoTimer) {
    start("+" + std::string(47, 'X') + "-1");  // 7 x 7: the percentage grows by 100 / 48 a cell
    std::vector<std::pair<std::string, std::string>> shown;
    game.setPendingEvents([&] {
        shown.emplace_back(game.Label1.Caption, game.title());
        EXPECT_TRUE(game.Picture9.Visible);
    });
    ASSERT_TRUE(computer.PcIQ(1, 3));
    ASSERT_EQ(shown.size(), 49u);
    EXPECT_EQ(shown[17], std::make_pair(std::string(" 37% "), std::string("Tallowen - 37% ")));
    EXPECT_EQ(shown[48], std::make_pair(std::string(" 102% "), std::string(kCaption)));
    EXPECT_EQ(game.title(), kCaption);
    EXPECT_FALSE(game.Picture9.Visible);
    EXPECT_EQ(view.scale, 49 - 7 - 1);
    ASSERT_EQ(view.filled.size(), 49u);
    for (int k = 0; k < 49; ++k)
        EXPECT_EQ(view.filled[static_cast<std::size_t>(k)], std::make_pair(6 * (k / 7) + k % 7, game.HR1.ForeColor));
    EXPECT_EQ(view.clears, 1);

    game.setPendingEvents(nullptr);
    start("+00X" "000X" "000X" "XXX-" "2");
    EXPECT_FALSE(computer.PcIQ(1, 3));
    EXPECT_FALSE(game.TimPC.enabled());
    EXPECT_FALSE(game.Picture9.Visible);
}

// A restart, or the window closing, while the search lets events run drops the search: no move is
// played, the thinking display goes, and closing stops every timer.
TEST_F(ComputerOpponentTest, ARestartOrClosingWhileEventsRunDropsTheSearch) {
    for (const bool close : {false, true}) {
        start(kTwoEqualMoves);
        const Board before = game.board;
        int calls = 0;
        game.setPendingEvents([&] {
            if (++calls == 5) close ? game.closeWindow() : game.NG_Click();
        });
        EXPECT_FALSE(computer.PcIQ(1, 2));
        game.setPendingEvents(nullptr);
        EXPECT_FALSE(game.Picture9.Visible);
        EXPECT_EQ(game.title(), kCaption);
        for (const Timer* timer : {&game.Timer1, &game.TimCHng, &game.TimerT, &game.TimPC})
            EXPECT_TRUE(!timer->enabled() || (!close && timer != &game.TimPC)) << timer->name();
        clock.advance(5000);  // a restarted game waits for its first click
        EXPECT_EQ(game.board, before);
    }
}

TEST_F(ComputerOpponentTest, AnUndoWhileTheComputerThinksGetsItsTurnChange) {
    start("+XXXX" "XXXXX" "XXXXX" "XXXXX" "XXXX-" "1", "PC Professional");
    clock.advance(1100);  // the computer's first move and the turn change
    ASSERT_EQ(game.CurPlayer, 2);
    game.PLKlik(4, 4);
    game.PLKlik(3, 3);
    bool undone = false;
    game.setPendingEvents([&] {
        if (!std::exchange(undone, true)) game.TZ_Click(2);
    });
    headless.finishTurnChange();  // the computer starts thinking about its second move
    game.setPendingEvents(nullptr);
    ASSERT_TRUE(undone);
    clock.advance(1100);
    // Back at the start, the computer has made its first move again and the person is to move.
    EXPECT_DOUBLE_EQ(game.TurnCount, 1.0);
    EXPECT_EQ(game.CurPlayer, 2);
    EXPECT_EQ(std::make_pair(game.board(3, 3), game.board(4, 4)), std::make_pair(kEmpty, pieceOf(2)));
}

TEST(BringIntoView, ALargerBoardMovesTowardsTheSourceWithinItsEdges) {
    const BoardPlacement fits = bringIntoView(400, 300, 400, 300, 400 / 15.0, 20, 15, 14, 14);
    EXPECT_EQ(std::make_pair(fits.Left, fits.Top), std::make_pair(0.0, 0.0));
    // Frame 400 wide, board 800 wide, 10 cells of 80.
    EXPECT_EQ(bringIntoViewOffset(400, 800, 80, 10, 0), 0);
    EXPECT_EQ(bringIntoViewOffset(400, 800, 80, 10, 5), 400 - 440 - 200);
    EXPECT_EQ(bringIntoViewOffset(400, 800, 80, 10, 9), -400);  // the far edge
}

}  // namespace
}  // namespace tallowen
