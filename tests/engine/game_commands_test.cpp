#include <gtest/gtest.h>

#include "engine/field_strings.h"
#include "game_fixture.h"

namespace tallowen {
namespace {

using test::kCorners;

class GameCommands : public test::GameTest {};

TEST_F(GameCommands, UndoOneGivesTheLastMoveBackToItsMover) {
    start(kCorners + "1");
    game.TZ_Click(1);  // too few moves: nothing to undo
    EXPECT_FALSE(game.TimCHng.enabled());
    move(0, 0, 1, 1);
    game.TZ_Click(2);
    EXPECT_FALSE(game.TimCHng.enabled());
    move(4, 4, 3, 3);
    const std::string afterTwo = fieldString(game.board, 5);
    move(1, 1, 2, 2);
    view.cells.clear();
    game.TZ_Click(1);
    finishTurnChange();
    EXPECT_EQ(fieldString(game.board, 5), afterTwo);
    EXPECT_EQ(game.CurPlayer, 1);
    EXPECT_DOUBLE_EQ(game.TurnCount, 1.5);
    // Only the changed cells were repainted: the target and the piece it had converted.
    EXPECT_EQ(view.cells, (std::vector<std::pair<int, int>>{{2, 2}, {3, 3}}));
    // The game goes on from there, and the history and the line of moves are rewritten from the
    // restored position.
    move(1, 1, 1, 2);
    EXPECT_EQ(game.History.size(), 4u);
    EXPECT_EQ(game.History[3], makeSnapshot(game.board, 5));
    EXPECT_EQ(game.Played, (std::vector<BoardMove>{{0, 0, 1, 1}, {4, 4, 3, 3}, {1, 1, 1, 2}}));
}

TEST_F(GameCommands, RestartKeepsTheGameStringAndStartsAfresh) {
    // Player 1's move takes player 2's only piece, and the fill then ends the game.
    const std::string gameString = test::rows({"+XX", "XXX", "XX-"}) + "1";
    start(gameString);
    move(0, 0, 1, 1);
    ASSERT_TRUE(game.GameOver);
    EXPECT_EQ(std::make_tuple(game.Picture3.Visible, game.PL.Enabled, game.setup.TZEnabled), std::make_tuple(true, false, false));

    game.NG_Click();
    EXPECT_EQ(game.Label4, gameString);
    EXPECT_FALSE(game.Picture3.Visible);
    EXPECT_TRUE(game.PL.Enabled);
    EXPECT_EQ(view.boardClears, 1);
    clock.runUntil([this] { return !game.Timer1.enabled(); });
    finishTurnChange();
    EXPECT_FALSE(game.GameOver);
    EXPECT_TRUE(game.setup.TZEnabled);
    EXPECT_EQ(fieldString(game.board, 3) + "1", gameString);
    EXPECT_EQ(game.CurPlayer, 1);
    EXPECT_DOUBLE_EQ(game.TurnCount, 0.5);
    EXPECT_TRUE(game.Played.empty());
}

TEST_F(GameCommands, NewGameStripsTheMoverAndDropsTheSelectionAtTheNextStart) {
    int setupShown = 0;
    game.setOnNewGame([&] { ++setupShown; });
    game.Visible = true;
    start(kCorners + "1");
    game.PLKlik(0, 0);
    ASSERT_EQ(game.Selection, 1);
    game.UNG_Click();
    EXPECT_EQ(game.Label4, kCorners);
    EXPECT_FALSE(game.Visible);
    EXPECT_EQ(setupShown, 1);
    EXPECT_FALSE(game.TimerT.enabled());
    EXPECT_EQ(game.board(0, 0), 0);

    start(kCorners + "1");
    EXPECT_EQ(game.Selection, 0);
    EXPECT_EQ(game.marks(1, 1), kNoMark);
}

TEST_F(GameCommands, AGameStringTheBoardCannotHoldStartsNoGame) {
    game.Label4 = std::string(17 * 17, 'X') + "1";
    game.Timer1.setEnabled(true);
    clock.advance(1000);
    EXPECT_FALSE(game.Timer1.enabled());
    EXPECT_FALSE(game.TimCHng.enabled());
    EXPECT_EQ(game.Side, 0);
}

}  // namespace
}  // namespace tallowen
