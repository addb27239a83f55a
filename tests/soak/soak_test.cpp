// Computer-against-computer games through the real turn cycle, each move replayed by plainly
// written rules. TALLOWEN_SOAK_GAMES sets how many games to play (a short run by default);
// TALLOWEN_SOAK_SEED varies them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "../plain_rules.h"
#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "engine/player_names.h"
#include "opponent/computer_opponent.h"
#include "setup/built_in_fields.h"

namespace tallowen {
namespace {

long environmentNumber(const char* name, long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtol(text, nullptr, 10) : fallback;
}

struct Move {
    int sx, sy, tx, ty;
};

// The move just made is where the last-move markers stand.
Move lastMove(const GameWindow& g) {
    const auto cell = [](double left, double size) { return static_cast<int>(std::lround(left / size)); };
    return {cell(g.Shape1.Left, g.CellW), cell(g.Shape1.Top, g.CellH), cell(g.Shape2.Left, g.CellW),
            cell(g.Shape2.Top, g.CellH)};
}

// Plays one game; after every move the board and the history must be the plain replay, and now and
// then an undo followed by the same move must give the same board.
void play(const BuiltInField& field, MoveRule rule, int level1, int level2, std::uint64_t seed) {
    HeadlessGame headless;
    GameWindow& game = headless.game();
    game.random = RandomSource(seed);
    ComputerOpponent computer(game);
    game.setComputerPlayer(&computer);
    RandomSource chance(seed);
    const std::string gameString = field.field + "1";
    headless.start(rule, gameString, computerName(level1), computerName(level2));
    Board replay;
    parseGameString(gameString, replay);
    ASSERT_EQ(replay, game.board);

    int moves = 0;
    for (double lastTurn = game.TurnCount; !game.GameOver && moves < 5000;) {
        ASSERT_TRUE(headless.clock().step()) << "the game stalled after " << moves << " moves";
        if (game.TurnCount == lastTurn || game.TimCHng.enabled()) continue;
        lastTurn = game.TurnCount;
        ++moves;
        const int mover = 3 - game.CurPlayer;
        const Move m = lastMove(game);
        ASSERT_EQ(replay(m.sx, m.sy), pieceOf(mover)) << "move " << moves;
        ASSERT_EQ(replay(m.tx, m.ty), kEmpty) << "move " << moves;
        replay = testing::playedPlainly(replay, game.dirs, mover, m.sx, m.sy, m.tx, m.ty);
        const auto entry = static_cast<std::size_t>(2 * game.TurnCount - 1);
        ASSERT_LT(entry, game.History.size());
        ASSERT_EQ(makeSnapshot(replay, game.Side), game.History[entry]) << "the history does not replay at move " << moves;
        // A mover left without a move hands every empty cell to the other player, ending the game.
        if (game.GameOver && replay != game.board)
            for (int x = 0; x < game.Side; ++x)
                for (int y = 0; y < game.Side; ++y)
                    if (replay(x, y) == kEmpty) replay(x, y) = pieceOf(3 - game.CurPlayer);
        ASSERT_EQ(replay, game.board) << "the board is not the replayed position at move " << moves;
        if (game.GameOver || chance.uniform() >= 0.2) continue;

        game.TZ_Click(1);
        headless.finishTurnChange();
        // The mover is a computer: its own choice is not the move being repeated.
        game.dropPendingComputerMove();
        game.PLKlik(m.sx, m.sy);
        game.PLKlik(m.tx, m.ty);
        ASSERT_TRUE(game.TimCHng.enabled()) << "the repeated move was refused";
        headless.finishTurnChange();
        ASSERT_EQ(game.board, replay) << "undo and the same move again gave another board";
        ASSERT_EQ(game.TurnCount, lastTurn);
    }
    ASSERT_TRUE(game.GameOver) << "no end in " << moves << " moves";
}

TEST(Soak, ComputerGamesReplayByPlainRules) {
    const long games = environmentNumber("TALLOWEN_SOAK_GAMES", 8);
    const auto seed = static_cast<std::uint64_t>(environmentNumber("TALLOWEN_SOAK_SEED", 1));
    const auto fields = builtInFields();
    RandomSource pick(seed);
    for (long i = 0; i < games; ++i) {
        const auto& field = fields[static_cast<std::size_t>(i) % fields.size()];
        const MoveRule rule = (i / 4) % 2 == 0 ? MoveRule::Star : MoveRule::Cross;
        const int level1 = 1 + static_cast<int>(pick.uniform() * 3);
        const int level2 = 1 + static_cast<int>(pick.uniform() * 3);
        SCOPED_TRACE(field.name + (rule == MoveRule::Star ? " star" : " cross") + " levels " +
                     std::to_string(level1) + "/" + std::to_string(level2));
        play(field, rule, level1, level2, seed * 1000 + static_cast<std::uint64_t>(i));
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace tallowen
