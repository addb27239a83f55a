#include <gtest/gtest.h>

#include <set>

#include "game_fixture.h"

namespace tallowen {
namespace {

using test::GameTest;

// An empty 7 x 7 field with player 1 at (3, 3) and player 2 at (6, 6), player 1 to move.
std::string lonePiece() {
    std::string f(49, 'X');
    f[3 * 7 + 3] = '+';
    f[6 * 7 + 6] = '-';
    return f + "1";
}

std::set<std::pair<int, int>> cellsMarked(const GameWindow& g, int mark) {
    std::set<std::pair<int, int>> cells;
    for (int x = -2; x <= 17; ++x)
        for (int y = -2; y <= 17; ++y)
            if (g.marks(x, y) == mark) cells.emplace(x, y);
    return cells;
}

class MoveRules : public GameTest {};

TEST_F(MoveRules, StarMarksTheRingOfEightAndTheRingOfSixteen) {
    start(lonePiece(), true);
    game.PLKlik(3, 3);
    EXPECT_EQ(game.Selection, 1);
    std::set<std::pair<int, int>> grow, jump;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int ring = std::max(std::abs(dx), std::abs(dy));
            if (ring == 1) grow.emplace(3 + dx, 3 + dy);
            if (ring == 2) jump.emplace(3 + dx, 3 + dy);
        }
    EXPECT_EQ(cellsMarked(game, kGrowMark), grow);
    EXPECT_EQ(cellsMarked(game, kJumpMark), jump);
    EXPECT_EQ(cellsMarked(game, kSelectedMark), (std::set<std::pair<int, int>>{{3, 3}}));
}

TEST_F(MoveRules, CrossMarksOrthogonalGrowsAndDiagonalOrDistantJumps) {
    start(lonePiece(), false);
    game.PLKlik(3, 3);
    EXPECT_EQ(cellsMarked(game, kGrowMark), (std::set<std::pair<int, int>>{{3, 2}, {4, 3}, {3, 4}, {2, 3}}));
    EXPECT_EQ(cellsMarked(game, kJumpMark),
              (std::set<std::pair<int, int>>{{2, 2}, {4, 2}, {4, 4}, {2, 4}, {3, 1}, {5, 3}, {3, 5}, {1, 3}}));
}

TEST_F(MoveRules, OccupiedCellsHolesAndOffFieldCellsAreNoTargets) {
    // Player 1 in the corner, a hole at (1, 0), player 2 at (0, 1).
    start(test::rows({"+0XXX", "-XXXX", "XXXXX", "XXXXX", "XXXXX"}) + "1");
    game.PLKlik(0, 0);
    EXPECT_EQ(game.marks(1, 0), kNoMark);
    EXPECT_EQ(game.marks(0, 1), kNoMark);
    EXPECT_EQ(game.marks(-1, -1), kNoMark);
    EXPECT_EQ(game.marks(-2, 0), kNoMark);
    EXPECT_EQ(game.marks(1, 1), kGrowMark);
    EXPECT_EQ(game.marks(2, 2), kJumpMark);
    // The painting saw the filtered marks.
    ASSERT_FALSE(view.marksAtDraw.empty());
    EXPECT_EQ(view.marksAtDraw.back(), game.marks);
}

TEST_F(MoveRules, GrowConvertsEveryAdjacentOpponentUnderStar) {
    std::string f(49, 'X');
    auto put = [&](int x, int y, char c) { f[y * 7 + x] = c; };
    put(3, 3, '+');
    put(5, 3, '-');
    put(5, 4, '-');
    put(4, 2, '-');
    put(4, 4, '+');  // own piece next to the target stays
    put(3, 2, '0');  // a hole next to the target stays
    start(f + "1", true);
    move(3, 3, 4, 3);
    EXPECT_EQ(game.board(3, 3), 10);
    EXPECT_EQ(game.board(4, 3), 10);
    EXPECT_EQ(game.board(5, 3), 10);
    EXPECT_EQ(game.board(5, 4), 10);
    EXPECT_EQ(game.board(4, 2), 10);
    EXPECT_EQ(game.board(4, 4), 10);
    EXPECT_EQ(game.board(3, 2), 0);
    EXPECT_EQ(game.CurPlayer, 2);
    EXPECT_DOUBLE_EQ(game.Shape2.Left, game.CellW * 4);
    EXPECT_DOUBLE_EQ(game.Shape1.Left, game.CellW * 3);
    EXPECT_DOUBLE_EQ(game.Line1[0].X1, -10);  // the conversion lines are out of sight again
}

TEST_F(MoveRules, CrossConvertsOnlyOrthogonalNeighbours) {
    std::string f(49, 'X');
    auto put = [&](int x, int y, char c) { f[y * 7 + x] = c; };
    put(3, 3, '+');
    put(5, 3, '-');
    put(5, 4, '-');
    put(4, 2, '-');
    start(f + "1", false);
    move(3, 3, 4, 3);
    EXPECT_EQ(game.board(5, 3), 10);
    EXPECT_EQ(game.board(4, 2), 10);
    EXPECT_EQ(game.board(5, 4), 20);
}

TEST_F(MoveRules, JumpEmptiesTheSourceAndConvertsOnlyAroundTheTarget) {
    std::string f(49, 'X');
    auto put = [&](int x, int y, char c) { f[y * 7 + x] = c; };
    put(3, 3, '+');
    put(2, 3, '-');  // next to the source only
    put(6, 3, '-');  // next to the target
    start(f + "1", true);
    view.cells.clear();
    move(3, 3, 5, 3);
    EXPECT_EQ(game.board(3, 3), kEmpty);
    EXPECT_EQ(game.board(5, 3), 10);
    EXPECT_EQ(game.board(6, 3), 10);
    EXPECT_EQ(game.board(2, 3), 20);
    // Source, target and the converted cell were repainted, in that order.
    ASSERT_GE(view.cells.size(), 3u);
    EXPECT_EQ(view.cells[0], std::make_pair(3, 3));
    EXPECT_EQ(view.cells[1], std::make_pair(5, 3));
    EXPECT_EQ(view.cells[2], std::make_pair(6, 3));
}

TEST_F(MoveRules, SelectionStateMachine) {
    std::string f(49, 'X');
    f[3 * 7 + 3] = '+';
    f[3 * 7 + 1] = '+';
    f[6 * 7 + 6] = '-';
    start(f + "1");

    // Clicking the selected piece drops the selection; the next click selects afresh.
    game.PLKlik(3, 3);
    game.PLKlik(3, 3);
    EXPECT_EQ(game.Selection, 2);
    EXPECT_EQ(cellsMarked(game, kGrowMark).size(), 0u);
    game.PLKlik(3, 3);
    EXPECT_EQ(game.Selection, 1);

    // Another own piece moves the selection in the same click.
    game.PLKlik(1, 3);
    EXPECT_EQ(game.Selection, 1);
    EXPECT_EQ(game.SelX, 1);
    EXPECT_EQ(game.marks(1, 3), kSelectedMark);
    EXPECT_EQ(game.marks(3, 3), kNoMark);

    // A cell that is no target drops it; an opponent's piece cannot be selected.
    game.PLKlik(6, 0);
    EXPECT_EQ(game.Selection, 0);
    game.PLKlik(6, 6);
    EXPECT_EQ(game.Selection, 0);

    // Clicks outside -2 ... 17 are ignored.
    game.PLKlik(3, 3);
    game.PLKlik(18, 3);
    game.PLKlik(-3, 0);
    EXPECT_EQ(game.Selection, 1);
}

TEST_F(MoveRules, ClicksDuringTheTurnChangeChangeNothing) {
    start(lonePiece());
    game.PLKlik(3, 3);
    game.PLKlik(4, 4);
    ASSERT_TRUE(game.TimCHng.enabled());
    const Board before = game.board;
    game.PLKlik(6, 6);
    game.PLKlik(5, 5);
    game.PLKlik(4, 4);
    game.PLKlik(5, 4);
    EXPECT_EQ(game.board, before);
}

TEST_F(MoveRules, BoardClicksReachOnlyAPersonWithTimeLeft) {
    start(lonePiece(), true, "Ann", "PC Genius");
    game.PL_MouseDown((3 + 0.5) * game.CellW, (3 + 0.5) * game.CellH);
    EXPECT_EQ(game.Selection, 1);
    game.PLKlik(-1, -1);

    game.Clock[1] = kClockTimedOut;
    game.PL_MouseDown((3 + 0.5) * game.CellW, (3 + 0.5) * game.CellH);
    EXPECT_EQ(game.Selection, 0);

    game.Clock[1] = kClockNoLimit;
    game.CurPlayer = 2;  // the computer's turn: the board ignores the mouse
    game.PL_MouseDown((6 + 0.5) * game.CellW, (6 + 0.5) * game.CellH);
    EXPECT_EQ(game.Selection, 0);

    game.CurPlayer = 1;
    game.PL_MouseDown(-1e12, 1e12);  // far away: ignored without overflow
    EXPECT_EQ(game.Selection, 0);
}

}  // namespace
}  // namespace tallowen
