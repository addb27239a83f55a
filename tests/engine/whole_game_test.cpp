#include <gtest/gtest.h>

#include "engine/field_strings.h"
#include "game_fixture.h"

namespace tallowen {
namespace {

using test::GameTest;

const std::string kQuickAtack =
    test::rows({"-XXXXXX", "XXXXXXX", "XX0---0", "X0+0-0X", "0+++0XX", "XXXXXXX", "XXXXXX+"});

struct Counts {
    int p1 = 0, p2 = 0, empty = 0, holes = 0;
};

Counts count(const GameWindow& g) {
    Counts c;
    for (int x = 0; x < g.Side; ++x)
        for (int y = 0; y < g.Side; ++y) {
            const auto v = g.board(x, y);
            c.p1 += v == 10;
            c.p2 += v == 20;
            c.empty += v == kEmpty;
            c.holes += v == kNoCell;
        }
    return c;
}

class WholeGame : public GameTest, public ::testing::WithParamInterface<bool> {
protected:
    // Prefers a grow move anywhere to a jump; the first one in scan order.
    bool playOneMove() {
        for (int wantKind : {kGrow, kJump})
            for (int x = 0; x < game.Side; ++x)
                for (int y = 0; y < game.Side; ++y) {
                    if (game.board(x, y) != pieceOf(game.CurPlayer)) continue;
                    for (int i = 0; i <= game.dirs.DirLast; ++i) {
                        const int tx = x + game.dirs.DirX[i], ty = y + game.dirs.DirY[i];
                        if (game.dirs.DirKind[i] != wantKind || game.board(tx, ty) != kEmpty) continue;
                        move(x, y, tx, ty);
                        return true;
                    }
                }
        return false;
    }
};

TEST_P(WholeGame, QuickAtackIsPlayedToItsEnd) {
    game.Label2.Caption = "Tallowen - Quick atack";
    start(kQuickAtack + "1", GetParam());
    const Counts initial = count(game);
    int moves = 0;
    while (!game.GameOver && moves < 500) {
        ASSERT_TRUE(game.moverCanMove());
        ASSERT_TRUE(playOneMove());
        ++moves;
        const Counts now = count(game);
        ASSERT_EQ(now.holes, initial.holes);
        ASSERT_EQ(now.p1 + now.p2 + now.empty, initial.p1 + initial.p2 + initial.empty);
        if (!game.GameOver) {
            ASSERT_DOUBLE_EQ(game.TurnCount, 0.5 * (moves + 1));
        }
    }
    ASSERT_TRUE(game.GameOver);
    const Counts last = count(game);
    EXPECT_EQ(last.empty, 0);
    ASSERT_EQ(recorder.games.size(), 1u);
    const FinishedGame& r = recorder.games[0];
    EXPECT_EQ(r.fieldName, "Quick atack");
    EXPECT_EQ(r.count1, last.p1);
    EXPECT_EQ(r.count2, last.p2);
    EXPECT_EQ(r.winner, last.p1 > last.p2 ? 1 : last.p2 > last.p1 ? 2 : 0);
    EXPECT_EQ(r.movement, GetParam() ? 1 : 2);
    EXPECT_FALSE(game.PL.Enabled);
    // Every position of the game is in the history, the last one included when the turn passed.
    EXPECT_GE(game.History.size(), static_cast<std::size_t>(moves));
}

INSTANTIATE_TEST_SUITE_P(BothRules, WholeGame, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Star" : "Cross"; });

}  // namespace
}  // namespace tallowen
