#include <gtest/gtest.h>

#include <set>

#include "game_fixture.h"

namespace tallowen {
namespace {

using Cells = std::set<std::pair<int, int>>;

// An empty 7 x 7 field; `pieces` are placed as (x, y, character); player 1 moves first.
std::string sevenBySeven(std::initializer_list<std::tuple<int, int, char>> pieces) {
    std::string f(49, 'X');
    for (auto [x, y, c] : pieces) f[y * 7 + x] = c;
    return f + "1";
}

Cells cellsMarked(const GameWindow& g, int mark) {
    Cells cells;
    for (int x = -2; x <= 17; ++x)
        for (int y = -2; y <= 17; ++y)
            if (g.marks(x, y) == mark) cells.emplace(x, y);
    return cells;
}

class MoveRules : public test::GameTest {};

TEST_F(MoveRules, StarAndCrossMarkTheirTargets) {
    start(sevenBySeven({{3, 3, '+'}, {6, 6, '-'}}), true);
    game.PLKlik(3, 3);
    Cells grow, jump;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int ring = std::max(std::abs(dx), std::abs(dy));
            (ring == 1 ? grow : jump).emplace(3 + dx, 3 + dy);
        }
    jump.erase({3, 3});
    EXPECT_EQ(cellsMarked(game, kGrowMark), grow);
    EXPECT_EQ(cellsMarked(game, kJumpMark), jump);
    EXPECT_EQ(cellsMarked(game, kSelectedMark), (Cells{{3, 3}}));

    start(sevenBySeven({{3, 3, '+'}, {6, 6, '-'}}), false);
    game.PLKlik(3, 3);
    EXPECT_EQ(cellsMarked(game, kGrowMark), (Cells{{3, 2}, {4, 3}, {3, 4}, {2, 3}}));
    EXPECT_EQ(cellsMarked(game, kJumpMark), (Cells{{2, 2}, {4, 2}, {4, 4}, {2, 4}, {3, 1}, {5, 3}, {3, 5}, {1, 3}}));
}

TEST_F(MoveRules, OccupiedCellsHolesAndOffFieldCellsAreNoTargets) {
    // Player 1 in the corner, a hole at (1, 0), player 2 at (0, 1).
    start(test::rows({"+0XXX", "-XXXX", "XXXXX", "XXXXX", "XXXXX"}) + "1");
    game.PLKlik(0, 0);
    EXPECT_EQ(cellsMarked(game, kGrowMark), (Cells{{1, 1}}));
    EXPECT_EQ(cellsMarked(game, kJumpMark), (Cells{{2, 0}, {2, 1}, {2, 2}, {1, 2}, {0, 2}}));
    // The painting saw the filtered marks.
    ASSERT_FALSE(view.marksAtDraw.empty());
    EXPECT_EQ(view.marksAtDraw.back(), game.marks);
}

// Opponents on all eight sides of the target: Star converts every one, Cross the four orthogonal
// ones; the opponent next to the jump's source stays.
TEST_F(MoveRules, AJumpEmptiesTheSourceAndConvertsOnlyAroundTheTarget) {
    const std::vector<std::pair<int, int>> starOrder = {{2, 2}, {3, 2}, {4, 2}, {4, 3}, {4, 4}, {3, 4}, {2, 4}, {2, 3}};
    auto field = sevenBySeven({{1, 3, '+'}, {0, 3, '-'}});
    for (auto [x, y] : starOrder) field[static_cast<std::size_t>(y * 7 + x)] = '-';
    for (bool star : {true, false}) {
        start(field, star);
        view.cells.clear();
        move(1, 3, 3, 3);
        EXPECT_EQ(game.board(1, 3), kEmpty);
        EXPECT_EQ(game.board(3, 3), 10);
        EXPECT_EQ(game.board(0, 3), 20);
        for (auto [x, y] : starOrder) {
            const bool orthogonal = x == 3 || y == 3;
            EXPECT_EQ(game.board(x, y), star || orthogonal ? 10 : 20) << x << "," << y << (star ? " star" : " cross");
        }
        // Source, target and the converted cells were repainted, in that order.
        if (star) {
            std::vector<std::pair<int, int>> repainted = {{1, 3}, {3, 3}};
            repainted.insert(repainted.end(), starOrder.begin(), starOrder.end());
            ASSERT_GE(view.cells.size(), repainted.size());
            EXPECT_EQ(std::vector(view.cells.begin(), view.cells.begin() + 10), repainted);
        }
        game.NG_Click();
    }
}

TEST_F(MoveRules, SelectionStateMachine) {
    start(sevenBySeven({{3, 3, '+'}, {1, 3, '+'}, {6, 6, '-'}}));
    // Clicking the selected piece drops the selection; the next click selects afresh.
    game.PLKlik(3, 3);
    game.PLKlik(3, 3);
    EXPECT_EQ(game.Selection, 2);
    EXPECT_TRUE(cellsMarked(game, kGrowMark).empty());
    game.PLKlik(3, 3);
    EXPECT_EQ(game.Selection, 1);
    // Another own piece moves the selection in the same click.
    game.PLKlik(1, 3);
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

TEST_F(MoveRules, TheBoardIgnoresClicksDuringTheTurnChangeAndForOthersThanAPersonWithTime) {
    start(sevenBySeven({{3, 3, '+'}, {6, 6, '-'}}), true, "Ann", "PC Genius");
    auto click = [this](int x, int y) { game.PL_MouseDown((x + 0.5) * game.CellW, (y + 0.5) * game.CellH); };
    click(3, 3);
    click(4, 4);
    ASSERT_TRUE(game.TimCHng.enabled());
    const Board afterMove = game.board;
    game.PLKlik(6, 6);
    game.PLKlik(5, 5);
    EXPECT_EQ(game.board, afterMove);
    finishTurnChange();
    game.PLKlik(-1, -1);

    game.CurPlayer = 1;  // pretend it is the person's turn again
    game.Clock[1] = kClockTimedOut;
    click(3, 3);
    EXPECT_EQ(game.Selection, 0);
    game.Clock[1] = kClockNoLimit;
    game.PL_MouseDown(-1e12, 1e12);  // far away: ignored without overflow
    EXPECT_EQ(game.Selection, 0);
    game.CurPlayer = 2;  // the computer's turn
    click(6, 6);
    EXPECT_EQ(game.Selection, 0);
}

}  // namespace
}  // namespace tallowen
