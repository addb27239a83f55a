#include <gtest/gtest.h>

#include "engine/field_strings.h"
#include "engine/mobility.h"
#include "game_fixture.h"

namespace tallowen {
namespace {

using test::kCorners;

class TurnCycle : public test::GameTest {};

TEST_F(TurnCycle, TheFirstMoverStartsAndEachTurnPassesTwoHundredMillisecondsAfterTheMove) {
    start(kCorners + "2");
    EXPECT_EQ(game.CurPlayer, 2);
    EXPECT_EQ(game.Label7.Caption, " 1. TURN");
    EXPECT_EQ(std::make_pair(game.Label5.FontBold, game.Label6.FontBold), std::make_pair(false, true));
    EXPECT_EQ(game.Label6.ForeColor, game.HR2.ForeColor);
    EXPECT_EQ(game.History, std::vector<std::string>{makeSnapshot(game.board, 5)});
    EXPECT_TRUE(game.TimerT.enabled());

    game.PLKlik(4, 4);
    game.PLKlik(3, 3);
    const auto movedAt = clock.now();
    finishTurnChange();
    EXPECT_EQ(clock.now() - movedAt, 200);
    EXPECT_DOUBLE_EQ(game.TurnCount, 1.0);
    EXPECT_TRUE(game.Picture13[7].Visible);  // no undo before two moves
    move(0, 0, 1, 1);
    EXPECT_EQ(game.Label7.Caption, " 2. TURN");
    EXPECT_FALSE(game.Picture13[7].Visible);
    EXPECT_EQ(game.History.size(), 3u);
}

// The fill paints one strip box per cell in the receiver's colour and ends the game.
TEST_F(TurnCycle, APlayerWithoutAMoveHandsOverEveryEmptyCell) {
    start(test::rows({"+XXX", "XXXX", "XX0X", "XXXX"}) + "2");
    EXPECT_EQ(fieldString(game.board, 4), test::rows({"++++", "++++", "++0+", "++++"}));
    ASSERT_EQ(recorder.games.size(), 1u);
    EXPECT_EQ(recorder.games[0].winner, 1);
    EXPECT_EQ(view.progress.size(), 16u);
    EXPECT_EQ(view.progress.back().second, game.HR1.ForeColor);
}

// One empty cell within reach, in any one of the rule's directions, is a move.
TEST(Mobility, AnyOneReachableEmptyCellIsAMove) {
    for (MoveRule rule : {MoveRule::Star, MoveRule::Cross}) {
        const Directions dirs = directionsFor(rule);
        for (int i = 0; i <= dirs.DirLast; ++i) {
            Board board;
            board(2, 2) = pieceOf(1);
            EXPECT_FALSE(hasLegalMove(board, 5, dirs, 1));
            board(2 + dirs.DirX[i], 2 + dirs.DirY[i]) = kEmpty;
            EXPECT_TRUE(hasLegalMove(board, 5, dirs, 1)) << i;
            EXPECT_FALSE(hasLegalMove(board, 5, dirs, 2));
        }
    }
}

TEST_F(TurnCycle, ClockRunsOutFlashesAndHandsTheOtherPlayerToTheComputer) {
    test::RecordingComputer computer;
    game.setComputerPlayer(&computer);
    game.setup.Combo1 = {4, 0};
    start(kCorners + "1");
    EXPECT_EQ(std::make_pair(game.Clock[1], game.Label3[1].Caption), std::make_pair(600, std::string("0:10:00")));
    EXPECT_EQ(game.Label3[2].Caption, "");
    game.Clock[1] = 2;
    clock.advance(1000);
    EXPECT_EQ(std::make_pair(game.Clock[1], game.Label3[1].Caption), std::make_pair(1, std::string("0:00:01")));
    EXPECT_TRUE(computer.calls.empty());

    clock.advance(1000);
    EXPECT_EQ(game.Label3[1].Caption, "0:00:00");
    EXPECT_EQ(game.Clock, (std::array<int, 3>{0, kClockTimedOut, kClockOpponentTimedOut}));
    EXPECT_EQ(game.TimerT.interval(), 100);
    // The timed-out person's current move is made by the computer at once, at level 0.
    EXPECT_EQ(computer.calls, (std::vector<std::pair<int, int>>{{1, 0}}));
    // The clock flashes with every tick.
    for (const Colour colour : {kClockFlash, kWhite, kClockFlash}) {
        EXPECT_EQ(game.Label3[1].ForeColor, colour);
        clock.advance(100);
    }

    // Later turn changes let the computer move for both people: level 2 for the other one.
    move(0, 0, 1, 1);
    move(4, 4, 3, 3);
    EXPECT_EQ(computer.calls, (std::vector<std::pair<int, int>>{{1, 0}, {2, 2}, {1, 0}}));

    // A new game sets the tick back to a second.
    game.NG_Click();
    clock.runUntil([this] { return !game.Timer1.enabled(); });
    EXPECT_EQ(game.TimerT.interval(), 1000);
}

TEST_F(TurnCycle, UnlimitedClocksClearTheirLabelOnceAndClocksStandStillWhenMinimizedOrOver) {
    game.setup.Combo1 = {0, 3};
    start(kCorners + "1");
    game.Label3[1].Caption = "x";
    clock.advance(1000);
    EXPECT_EQ(std::make_pair(game.Clock[1], game.Label3[1].Caption), std::make_pair(kClockNoLimitCleared, std::string()));
    game.Label3[1].Caption = "y";
    clock.advance(1000);
    EXPECT_EQ(game.Label3[1].Caption, "y");

    move(0, 0, 1, 1);
    game.Minimized = true;
    clock.advance(5000);
    game.Minimized = false;
    clock.advance(1000);
    EXPECT_EQ(game.Clock[2], 1799);
    game.PL.Enabled = false;
    clock.advance(5000);
    EXPECT_EQ(game.Clock[2], 1799);
}

// A seat played on another computer: its moves arrive as clicks from there, the board ignores the
// clicks here, and the computer never moves for it here, whatever its name or clock says.
TEST_F(TurnCycle, ASeatPlayedElsewhereTakesNoClicksHereAndNoComputerMoves) {
    test::RecordingComputer computer;
    game.setComputerPlayer(&computer);
    std::vector<std::pair<int, BoardMove>> moves;
    game.setOnMove([&](int player, const BoardMove& m) { moves.emplace_back(player, m); });
    game.PlayedElsewhere = {false, false, true};
    start(kCorners + "2", true, "Ann", "PC Genius");
    EXPECT_TRUE(computer.calls.empty());
    EXPECT_FALSE(game.Picture9.Visible);
    game.PL_MouseDown(4.5 * game.CellW, 4.5 * game.CellH);
    EXPECT_EQ(game.Selection, 0);
    move(4, 4, 3, 3);
    game.PL_MouseDown(0.5 * game.CellW, 0.5 * game.CellH);
    game.PL_MouseDown(1.5 * game.CellW, 1.5 * game.CellH);
    finishTurnChange();
    EXPECT_EQ(moves, (std::vector<std::pair<int, BoardMove>>{{2, {4, 4, 3, 3}}, {1, {0, 0, 1, 1}}}));

    // A person's time runs out there: the computer does not move for them here either.
    game.Label6.Caption = "Bob";
    game.setup.Combo1 = {0, 4};
    game.NG_Click();
    clock.runUntil([this] { return !game.Timer1.enabled(); });
    finishTurnChange();
    game.Clock[2] = 1;
    clock.advance(1000);
    EXPECT_EQ(game.Clock[2], kClockTimedOut);
    EXPECT_TRUE(computer.calls.empty());
}

// Clocks kept by the other computer do not count down here; setClocks brings them, and a clock
// run out there has its effect here: the flashing, and the computer moving at once for the person
// here whose time ran out (later for the other person too), never for the seat played elsewhere.
TEST_F(TurnCycle, ClocksKeptElsewhereFollowWhatTheyAreThere) {
    test::RecordingComputer computer;
    game.setComputerPlayer(&computer);
    game.ClockKeptElsewhere = true;
    game.PlayedElsewhere = {false, true, false};
    game.setup.Combo1 = {4, 4};
    start(kCorners + "1");
    clock.advance(5000);
    EXPECT_EQ(game.Clock[1], 600);
    game.setClocks(1, 600);
    EXPECT_EQ(std::make_pair(game.Label3[1].Caption, game.Label3[2].Caption), std::make_pair(std::string("0:00:01"), std::string("0:10:00")));
    game.setClocks(kClockTimedOut, kClockOpponentTimedOut);
    EXPECT_EQ(std::make_pair(game.Label3[1].Caption, game.Label3[2].Caption), std::make_pair(std::string("0:00:00"), std::string()));
    EXPECT_EQ(game.TimerT.interval(), 100);
    clock.advance(100);
    EXPECT_EQ(game.Label3[1].ForeColor, kClockFlash);
    EXPECT_TRUE(computer.calls.empty());
    move(0, 0, 1, 1);
    EXPECT_EQ(computer.calls, (std::vector<std::pair<int, int>>{{2, 2}}));

    game.NG_Click();
    clock.runUntil([this] { return !game.Timer1.enabled(); });
    finishTurnChange();
    move(0, 0, 1, 1);
    computer.calls.clear();
    game.setClocks(kClockOpponentTimedOut, kClockTimedOut);
    EXPECT_EQ(computer.calls, (std::vector<std::pair<int, int>>{{2, 0}}));
}

// Only the exact computer names are computers; a computer side is asked for its move at its level,
// and only a person's clock shows.
TEST_F(TurnCycle, ComputerSidesAreAskedForTheirMoveAtTheirLevel) {
    test::RecordingComputer computer;
    game.setComputerPlayer(&computer);
    game.setup.Combo1 = {2, 2};
    start(kCorners + "1", true, "PC Genius", "PC genius");
    EXPECT_EQ(game.PcLevel, (std::array<int, 3>{0, 3, 0}));
    EXPECT_TRUE(game.Picture9.Visible);
    EXPECT_EQ(computer.calls, (std::vector<std::pair<int, int>>{{1, 3}}));
    EXPECT_EQ(std::make_pair(game.Label3[1].Caption, game.Label3[2].Caption), std::make_pair(std::string(), std::string("1:00:00")));
}

}  // namespace
}  // namespace tallowen
