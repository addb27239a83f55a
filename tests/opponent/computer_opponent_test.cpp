#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_window.h"
#include "engine/headless_game.h"
#include "engine/virtual_clock.h"
#include "opponent/bring_into_view.h"
#include "opponent/computer_opponent.h"

namespace tallowen {
namespace {

// A board view that remembers the progress strip.
class StripView : public HeadlessBoardView {
public:
    void setProgressScale(int units) override { scale = units; }
    void fillProgress(int unit, Colour colour) override { filled.emplace_back(unit, colour); }
    void clearProgress() override { ++clears; }
    int scale = 0;
    std::vector<std::pair<int, Colour>> filled;
    int clears = 0;
};

std::string rows(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* line : lines) s += line;
    return s;
}

// A game window on a virtual clock with the computer player attached, started as the setup
// window starts it.
class ComputerOpponentTest : public ::testing::Test {
protected:
    ComputerOpponentTest() {
        game.setComputerPlayer(&computer);
        game.random = RandomSource(7);
    }

    void start(const std::string& gameString, const std::string& p1 = "Ann", const std::string& p2 = "Bob") {
        headless.start(MoveRule::Star, gameString, p1, p2);
    }

    StripView view;
    NoRecorder recorder;
    HeadlessGame headless{&recorder, &view};
    GameWindow& game = headless.game();
    VirtualClock& clock = headless.clock();
    ComputerOpponent computer{game};
};

// Player 1's piece at (2, 2) can grow to (1, 2) or (3, 2), each next to one of player 2's pieces;
// every other cell is a hole.
const std::string kTwoEqualMoves = rows({"00000", "00000", "-X+X-", "00000", "00000"}) + "1";

TEST_F(ComputerOpponentTest, TwoEqualBestMovesAreEachChosenAboutHalfTheTime) {
    start(kTwoEqualMoves);
    int left = 0;
    const int draws = 2000;
    for (int seed = 1; seed <= draws; ++seed) {
        game.random = RandomSource(seed);
        ASSERT_TRUE(computer.PcIQ(1, 2));
        game.dropPendingComputerMove();
        ASSERT_EQ(computer.PcSource[0], 2);
        left += computer.PcTarget[0] == 1;
    }
    EXPECT_EQ(computer.candidates().tieCount(), 2);
    // Binomial(2000, 1/2) has a standard deviation of about 22.
    EXPECT_NEAR(left, draws / 2, 110);
}

TEST_F(ComputerOpponentTest, TheSourceIsClickedAfter100MsAndTheTarget750MsLater) {
    start(kTwoEqualMoves, "PC Professional");
    // The first turn change has called PcIQ and returned.
    ASSERT_TRUE(game.TimPC.enabled());
    const int sx = static_cast<int>(computer.PcSource[0]), sy = static_cast<int>(computer.PcSource[1]);
    const int tx = static_cast<int>(computer.PcTarget[0]), ty = static_cast<int>(computer.PcTarget[1]);
    std::vector<std::pair<int, int>> broughtIntoView;
    computer.setBringIntoView([&](int x, int y) { broughtIntoView.emplace_back(x, y); });

    clock.advance(99);
    EXPECT_EQ(game.Selection, 0);
    clock.advance(1);
    EXPECT_EQ(game.Selection, 1);
    EXPECT_EQ(game.SelX, sx);
    EXPECT_EQ(game.SelY, sy);
    EXPECT_EQ(computer.PcSource[0], kSourceClicked);
    EXPECT_EQ(broughtIntoView, (std::vector<std::pair<int, int>>{{sx, sy}}));
    EXPECT_EQ(game.TimPC.interval(), 750);

    clock.advance(749);
    EXPECT_EQ(game.board(tx, ty), kEmpty);
    clock.advance(1);
    EXPECT_EQ(game.board(tx, ty), pieceOf(1));
    EXPECT_FALSE(game.TimPC.enabled());
    EXPECT_EQ(game.TimPC.interval(), 100);
    EXPECT_TRUE(game.TimCHng.enabled());
}

TEST_F(ComputerOpponentTest, TheThinkingDisplayFollowsTheScan) {
    // 7 x 7: the percentage grows by 100 / 48 per cell.
    start(rows({"+XXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXX-"}) + "1");
    game.Picture9.Visible = true;
    std::vector<std::string> labels, titles;
    int panelShown = 0;
    game.setPendingEvents([&] {
        labels.push_back(game.Label1.Caption);
        titles.push_back(game.Caption);
        panelShown += game.Picture9.Visible;
    });
    view.filled.clear();
    view.clears = 0;
    ASSERT_TRUE(computer.PcIQ(1, 3));

    ASSERT_EQ(labels.size(), 49u);
    EXPECT_EQ(labels[0], " 2% ");
    EXPECT_EQ(titles[0], "Tallowen - 2% ");
    EXPECT_EQ(labels[17], " 37% ");
    EXPECT_EQ(titles[17], "Tallowen - 37% ");
    EXPECT_EQ(labels[48], " 102% ");
    EXPECT_EQ(titles[48], "Tallowen");
    EXPECT_EQ(panelShown, 49);
    EXPECT_EQ(game.Caption, "Tallowen");
    EXPECT_FALSE(game.Picture9.Visible);

    EXPECT_EQ(view.scale, 49 - 7 - 1);
    ASSERT_EQ(view.filled.size(), 49u);
    for (int k = 0; k < 49; ++k) {
        EXPECT_EQ(view.filled[static_cast<std::size_t>(k)].first, 6 * (k / 7) + k % 7);
        EXPECT_EQ(view.filled[static_cast<std::size_t>(k)].second, game.HR1.ForeColor);
    }
    EXPECT_EQ(view.clears, 1);
}

TEST_F(ComputerOpponentTest, ASideWithoutAMoveStartsNoTimer) {
    start(rows({"+00X", "000X", "000X", "XXX-"}) + "2");
    game.Picture9.Visible = true;
    EXPECT_FALSE(computer.PcIQ(1, 3));
    EXPECT_FALSE(game.TimPC.enabled());
    EXPECT_FALSE(game.Picture9.Visible);
}

TEST_F(ComputerOpponentTest, AGameChangeWhileEventsRunDropsTheSearch) {
    start(kTwoEqualMoves);
    const Board before = game.board;
    int calls = 0;
    game.setPendingEvents([&] {
        if (++calls == 5) game.NG_Click();
    });
    game.Picture9.Visible = true;
    EXPECT_FALSE(computer.PcIQ(1, 2));
    EXPECT_EQ(calls, 5);
    EXPECT_FALSE(game.TimPC.enabled());
    EXPECT_FALSE(game.Picture9.Visible);
    EXPECT_EQ(game.Caption, "Tallowen");
    // Nothing of the old search is played later: the restarted game waits for its first click.
    game.setPendingEvents(nullptr);
    clock.advance(5000);
    EXPECT_EQ(game.board, before);
    EXPECT_FALSE(game.TimPC.enabled());
}

TEST_F(ComputerOpponentTest, ASearchStartedFromTheEventsOfAStaleOneKeepsItsMove) {
    // The restart's turn change lets the computer choose for the new game while the old search is
    // still waiting for its events to finish; the old search must leave that choice alone.
    start(kTwoEqualMoves, "PC Professional");
    game.dropPendingComputerMove();
    bool restarted = false;
    game.setPendingEvents([&] {
        if (restarted) return;
        restarted = true;
        game.NG_Click();
        clock.runUntil([&] { return !game.Timer1.enabled() && !game.TimCHng.enabled(); });
    });
    EXPECT_FALSE(computer.PcIQ(1, 2));
    ASSERT_TRUE(game.TimPC.enabled());
    const int tx = static_cast<int>(computer.PcTarget[0]);
    clock.advance(850);
    EXPECT_EQ(game.board(tx, 2), pieceOf(1));
}

TEST_F(ComputerOpponentTest, APersonWhoseTimeRunsOutGetsTheWeakestMove) {
    // Player 1 could grow to (3, 3) next to three of player 2's pieces; at level 0 the computer
    // picks a jump that converts nothing.
    game.setup.Combo1 = {4, 0};  // ten minutes for player 1
    start(rows({"XXXXXXX", "XXXXXXX", "XXXX-XX", "X++X-XX", "XXXX-XX", "XXXXXXX", "XXXXXXX"}) + "1");
    ASSERT_TRUE(clock.runUntil([&] { return game.TimCHng.enabled(); }));
    EXPECT_EQ(game.Clock[1], kClockTimedOut);
    int own = 0, other = 0;
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 7; ++y) {
            own += game.board(x, y) == pieceOf(1);
            other += game.board(x, y) == pieceOf(2);
        }
    EXPECT_EQ(own, 2);
    EXPECT_EQ(other, 3);
    EXPECT_EQ(computer.candidates().choiceValue(), 1000);
}

TEST(BringIntoView, ABoardThatFitsItsFrameStaysPut) {
    const BoardPlacement p = bringIntoView(400, 300, 400, 300, 400 / 15.0, 20, 15, 14, 14);
    EXPECT_EQ(p.Left, 0);
    EXPECT_EQ(p.Top, 0);
}

TEST(BringIntoView, ALargerBoardMovesTowardsTheSourceWithinItsEdges) {
    // Frame 400 wide, board 800 wide, 10 cells of 80.
    EXPECT_EQ(bringIntoViewOffset(400, 800, 80, 10, 0), 0);             // 400 - 40 - 200 > 0
    EXPECT_EQ(bringIntoViewOffset(400, 800, 80, 10, 5), 400 - 440 - 200);  // -240
    EXPECT_EQ(bringIntoViewOffset(400, 800, 80, 10, 9), -400);          // clamped to the far edge
}

}  // namespace
}  // namespace tallowen
