// Computer-against-computer games through the real turn cycle, with the model's invariants checked
// after every move. TALLOWEN_SOAK_GAMES sets how many games to play (a short run by default);
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

struct Census {
    int p1 = 0, p2 = 0, empty = 0, holes = 0;
};

Census census(const GameWindow& g) {
    Census c;
    for (int x = 0; x < g.Side; ++x)
        for (int y = 0; y < g.Side; ++y) {
            const auto v = g.board(x, y);
            c.p1 += v == pieceOf(1);
            c.p2 += v == pieceOf(2);
            c.empty += v == kEmpty;
            c.holes += v == kNoCell;
        }
    return c;
}

class Soak {
public:
    Soak(const BuiltInField& field, MoveRule rule, int level1, int level2, std::uint64_t seed)
        : field_(field), rule_(rule), level1_(level1), level2_(level2), seed_(seed) {}

    void play() {
        GameWindow& game = headless_.game();
        game.random = RandomSource(seed_);
        ComputerOpponent computer(game);
        game.setComputerPlayer(&computer);
        game.Label2.Caption = "Tallowen - " + field_.name;
        const std::string gameString = field_.field + "1";
        headless_.start(rule_, gameString, computerName(level1_), computerName(level2_));
        parseGameString(gameString, replay_);
        initial_ = census(game);
        ASSERT_NO_FATAL_FAILURE(checkPosition());

        double lastTurn = game.TurnCount;
        while (!game.GameOver && moves_ < 5000) {
            ASSERT_TRUE(headless_.clock().step()) << "the game stalled after " << moves_ << " moves";
            if (game.TurnCount == lastTurn || game.TimCHng.enabled()) continue;
            lastTurn = game.TurnCount;
            ++moves_;
            ASSERT_NO_FATAL_FAILURE(replayLastMove());
            ASSERT_NO_FATAL_FAILURE(checkPosition());
            if (!game.GameOver && chance_.uniform() < 0.2) {
                ASSERT_NO_FATAL_FAILURE(undoAndRepeat());
                lastTurn = game.TurnCount;
            }
        }
        ASSERT_TRUE(game.GameOver) << field_.name << " did not end in " << moves_ << " moves";
        EXPECT_EQ(census(game).empty, 0);
    }

private:
    static int cellOf(double left, double size) { return static_cast<int>(std::lround(left / size)); }

    // The move just made is where the last-move markers stand; a mover who could not move handed
    // every empty cell to the other player instead.
    void replayLastMove() {
        GameWindow& game = headless_.game();
        const int mover = 3 - game.CurPlayer;
        const int sx = cellOf(game.Shape1.Left, game.CellW), sy = cellOf(game.Shape1.Top, game.CellH);
        const int tx = cellOf(game.Shape2.Left, game.CellW), ty = cellOf(game.Shape2.Top, game.CellH);
        const auto entry = static_cast<std::size_t>(2 * game.TurnCount - 1);
        ASSERT_LT(entry, game.History.size());
        replay_ = testing::playedPlainly(replay_, game.dirs, mover, sx, sy, tx, ty);
        ASSERT_EQ(makeSnapshot(replay_, game.Side), game.History[entry])
            << field_.name << ": the history does not replay at move " << moves_;
        // A mover left without a move hands every empty cell to the other player, ending the game.
        if (game.GameOver && replay_ != game.board)
            for (int x = 0; x < game.Side; ++x)
                for (int y = 0; y < game.Side; ++y)
                    if (replay_(x, y) == kEmpty) replay_(x, y) = pieceOf(3 - game.CurPlayer);
        ASSERT_EQ(replay_, game.board) << field_.name << ": the board is not the replayed position at move " << moves_;
    }

    void checkPosition() {
        const GameWindow& game = headless_.game();
        const Census now = census(game);
        ASSERT_EQ(now.holes, initial_.holes);
        ASSERT_EQ(now.p1 + now.p2 + now.empty, initial_.p1 + initial_.p2 + initial_.empty);
        ASSERT_EQ(game.PL1S.Caption, " " + std::to_string(now.p1));
        ASSERT_EQ(game.PL2S.Caption, std::to_string(now.p2) + " ");
        for (int x = Board::kLo; x <= Board::kHi; ++x)
            for (int y = Board::kLo; y <= Board::kHi; ++y)
                if (x < 0 || y < 0 || x >= game.Side || y >= game.Side) {
                    ASSERT_EQ(game.board(x, y), kNoCell) << "a piece outside the field at " << x << "," << y;
                }
    }

    // Takes the last move back and makes it again with two clicks: the same board must follow.
    void undoAndRepeat() {
        GameWindow& game = headless_.game();
        const Board after = game.board;
        const double turn = game.TurnCount;
        const int sx = cellOf(game.Shape1.Left, game.CellW), sy = cellOf(game.Shape1.Top, game.CellH);
        const int tx = cellOf(game.Shape2.Left, game.CellW), ty = cellOf(game.Shape2.Top, game.CellH);
        game.TZ_Click(1);
        headless_.finishTurnChange();
        // The mover is a computer: its own choice is not the move being repeated.
        game.dropPendingComputerMove();
        game.PLKlik(sx, sy);
        game.PLKlik(tx, ty);
        ASSERT_TRUE(game.TimCHng.enabled()) << "the repeated move was refused";
        headless_.finishTurnChange();
        ASSERT_EQ(game.board, after) << field_.name << ": undo and the same move again gave another board";
        ASSERT_EQ(game.TurnCount, turn);
    }

    BuiltInField field_;
    MoveRule rule_;
    int level1_, level2_;
    std::uint64_t seed_;
    HeadlessGame headless_;
    RandomSource chance_{seed_};
    Board replay_;
    Census initial_;
    int moves_ = 0;
};

TEST(Soak, ComputerGamesKeepTheModelConsistentAfterEveryMove) {
    const long games = environmentNumber("TALLOWEN_SOAK_GAMES", 8);
    const auto seed = static_cast<std::uint64_t>(environmentNumber("TALLOWEN_SOAK_SEED", 1));
    const auto fields = builtInFields();
    RandomSource pick(seed);
    for (long i = 0; i < games; ++i) {
        const auto& field = fields[static_cast<std::size_t>(i) % fields.size()];
        const MoveRule rule = (i / 4) % 2 == 0 ? MoveRule::Star : MoveRule::Cross;
        const int level1 = 1 + static_cast<int>(pick.uniform() * 3);
        const int level2 = 1 + static_cast<int>(pick.uniform() * 3);
        Soak soak(field, rule, level1, level2, seed * 1000 + static_cast<std::uint64_t>(i));
        SCOPED_TRACE(field.name + (rule == MoveRule::Star ? " star" : " cross") + " levels " +
                     std::to_string(level1) + "/" + std::to_string(level2));
        soak.play();
        if (HasFatalFailure()) return;
    }
}

}  // namespace
}  // namespace tallowen
