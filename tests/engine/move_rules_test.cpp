#include <gtest/gtest.h>

#include <set>

#include "engine/mobility.h"
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

// The Star ring shows in the engine tool's moves listing; Cross from the middle of the field.
TEST_F(MoveRules, CrossMarksItsTargets) {
    start(sevenBySeven({{3, 3, '+'}, {6, 6, '-'}}), false);
    game.PLKlik(3, 3);
    EXPECT_EQ(cellsMarked(game, kGrowMark), (Cells{{3, 2}, {4, 3}, {3, 4}, {2, 3}}));
    EXPECT_EQ(cellsMarked(game, kJumpMark), (Cells{{2, 2}, {4, 2}, {4, 4}, {2, 4}, {3, 1}, {5, 3}, {3, 5}, {1, 3}}));
}

// A move that arrives from another computer is checked without a selection on the board: it must
// be legal exactly when a click on its source marks its target.
TEST_F(MoveRules, ALegalMoveIsExactlyAMarkedTargetOfTheSourceClicked) {
    for (const bool star : {true, false}) {
        start(test::rows({"+0X-X", "-X+XX", "XX0XX", "X+X-X", "XXXX+"}) + "1", star);
        for (const int player : {1, 2}) {
            game.CurPlayer = player;
            for (int sx = -1; sx <= 5; ++sx)
                for (int sy = -1; sy <= 5; ++sy)
                    for (int tx = -2; tx <= 7; ++tx)
                        for (int ty = -2; ty <= 7; ++ty) {
                            game.PLKlik(-1, -1);
                            game.PLKlik(sx, sy);
                            const int mark = game.marks(tx, ty);
                            const bool marked = game.Selection == 1 && (mark == kGrowMark || mark == kJumpMark);
                            ASSERT_EQ(isLegalMove(game.board, game.Side, game.dirs, player, {sx, sy, tx, ty}), marked)
                                << star << " " << player << ": " << sx << "," << sy << " to " << tx << "," << ty;
                        }
        }
    }
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

// What a move does to the board the soak test replays by plain rules; here, what is repainted:
// source, target and the converted cells, in that order.
TEST_F(MoveRules, AJumpRepaintsItsSourceTargetAndConvertedCells) {
    const std::vector<std::pair<int, int>> around = {{2, 2}, {3, 2}, {4, 2}, {4, 3}, {4, 4}, {3, 4}, {2, 4}, {2, 3}};
    auto field = sevenBySeven({{1, 3, '+'}});
    for (auto [x, y] : around) field[static_cast<std::size_t>(y * 7 + x)] = '-';
    start(field);
    view.cells.clear();
    move(1, 3, 3, 3);
    std::vector<std::pair<int, int>> repainted = {{1, 3}, {3, 3}};
    repainted.insert(repainted.end(), around.begin(), around.end());
    ASSERT_GE(view.cells.size(), repainted.size());
    EXPECT_EQ(std::vector(view.cells.begin(), view.cells.begin() + 10), repainted);
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
    game.PLKlik(4, 4);  // still the mover's piece until the turn changes
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
