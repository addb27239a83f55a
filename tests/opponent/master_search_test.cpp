#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "../plain_rules.h"
#include "engine/field_strings.h"
#include "opponent/master/search.h"

namespace tallowen::master {
namespace {

using Moves = std::vector<std::array<int, 5>>;  // sx, sy, tx, ty, kind

Moves movesOf(const Board& board, int side, const Directions& dirs, int player) {
    Moves moves;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            for (int i = 0; i <= dirs.DirLast && board(x, y) == pieceOf(player); ++i)
                if (board(x + dirs.DirX[i], y + dirs.DirY[i]) == kEmpty)
                    moves.push_back({x, y, x + dirs.DirX[i], y + dirs.DirY[i], dirs.DirKind[i]});
    return moves;
}

int countOf(const Board& board, int side, int code) {
    int n = 0;
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) n += board(x, y) == code;
    return n;
}

// The game's value for the mover by plain minimax, `depth` >= 1 moves deep. After the last move
// an unfinished position is worth the piece difference less the most the other side could have
// gained by a move just before it (two a converted piece, one for a grow).
int minimax(const Board& board, int side, const Directions& dirs, int player, int depth) {
    const auto count = [&](const Board& b, int code) { return countOf(b, side, code); };
    const Moves moves = movesOf(board, side, dirs, player);
    if (moves.empty()) return finalValue(count(board, pieceOf(player)), count(board, pieceOf(3 - player)) + count(board, kEmpty));
    int threat = 0;
    for (const auto& [sx, sy, tx, ty, kind] : movesOf(board, side, dirs, 3 - player)) {
        int converted = 0;
        for (int i = 0; i < dirs.growCount(); ++i) converted += board(tx + dirs.DirX[i], ty + dirs.DirY[i]) == pieceOf(player);
        threat = std::max(threat, 2 * converted + (kind == kGrow ? 1 : 0));
    }
    int best = -100000;
    for (const auto& [sx, sy, tx, ty, kind] : moves) {
        const Board next = testing::playedPlainly(board, dirs, player, sx, sy, tx, ty);
        const int mine = count(next, pieceOf(player)), theirs = count(next, pieceOf(3 - player));
        best = std::max(best, depth > 1 ? -minimax(next, side, dirs, 3 - player, depth - 1)
                              : movesOf(next, side, dirs, 3 - player).empty() ? -finalValue(theirs, mine + count(next, kEmpty))
                                                                              : mine - theirs - threat);
    }
    return best;
}

struct Game {
    explicit Game(const std::string& gameString) { player = parseGameString(gameString, board).firstMover; side = sideOfGameString(gameString); }
    Result search(Search& search, MoveRule rule, int depth, std::vector<Board> earlier = {}) const {
        return search.run({board, side, rule, player, Limits{0, 0, depth}, std::move(earlier)});
    }
    Board played(MoveRule rule, const CellMove& m) const {
        return testing::playedPlainly(board, directionsFor(rule), player, m.sx, m.sy, m.tx, m.ty);
    }
    Board board;
    int side = 0;
    int player = 1;
};

TEST(MasterSearch, ItsValueIsThePlainMinimaxOnSmallFieldsUnderBothRules) {
    // Random 5 x 5 fields with holes and a few empty cells, so that many games end within the depth.
    std::mt19937 random(7);
    std::vector<std::string> fields = {"+-0XX" "-00XX" "0-0XX" "XXXXX" "XXXX-" "1",   // the mover has no move
                                       "+0-XX" "00XXX" "XXXXX" "XXXXX" "XX---" "1"};  // a lone piece against three
    while (fields.size() < 22) {
        std::string s;
        for (int i = 0; i < 25; ++i) s += "000++--"[random() % 7];
        for (int i = 0; i < 4; ++i) s[random() % 25] = 'X';
        fields.push_back(s + (random() % 2 ? "1" : "2"));
    }
    for (const MoveRule rule : {MoveRule::Star, MoveRule::Cross}) {
        Search search(0);
        for (const std::string& field : fields) {
            const Game game(field);
            for (int depth = 1; depth <= 4; ++depth)
                ASSERT_EQ(game.search(search, rule, depth).value, minimax(game.board, game.side, directionsFor(rule), game.player, depth))
                    << field << " depth " << depth << (rule == MoveRule::Star ? " star" : " cross");
        }
    }
}

TEST(MasterSearch, TheTableNeverChangesAValueAtAFixedDepth) {
    // 6 x 6 fields a third full: many positions are reached by more than one order of moves.
    std::mt19937 random(3);
    for (int n = 0; n < 8; ++n) {
        std::string field;
        for (int i = 0; i < 36; ++i) field += "XXXX0+-"[random() % 7];
        const Game game(field + "1");
        for (const MoveRule rule : {MoveRule::Star, MoveRule::Cross}) {
            Search plain(0);
            Search tabled(12);  // small, so that entries are replaced too
            ASSERT_EQ(game.search(tabled, rule, 5).value, game.search(plain, rule, 5).value) << field;
            // As in a game, the next searches meet what the last one stored, under other windows.
            for (const auto& [sx, sy, tx, ty, kind] : movesOf(game.board, game.side, directionsFor(rule), game.player)) {
                Game next = game;
                next.board = game.played(rule, CellMove{sx, sy, tx, ty});
                next.player = 2;
                ASSERT_EQ(next.search(tabled, rule, 4).value, next.search(plain, rule, 4).value) << field;
            }
        }
    }
}

TEST(MasterSearch, ASideAheadDoesNotGoBackIntoAPositionOfEarlierInTheGame) {
    const Game game("++XXX" "++XXX" "XXXXX" "XXXXX" "XXXX-" "1");
    Search search(0);
    const Result first = game.search(search, MoveRule::Star, 3);
    ASSERT_GT(first.value, 0);
    const Board before = game.played(MoveRule::Star, *first.best);
    const Result second = game.search(search, MoveRule::Star, 3, {before});
    EXPECT_NE(game.played(MoveRule::Star, *second.best), before);
    EXPECT_GT(second.value, 0);
}

TEST(MasterSearch, TheNodeLimitMakesASearchReproducible) {
    const Game game("+" + std::string(47, 'X') + "-1");
    const auto run = [&] { return Search().run({game.board, game.side, MoveRule::Star, 1, Limits{0, 20000, 0}, {}}); };
    const Result a = run(), b = run();
    EXPECT_LE(a.nodes, 20000u);
    EXPECT_EQ(std::make_tuple(a.best, a.value, a.nodes), std::make_tuple(b.best, b.value, b.nodes));
    EXPECT_GE(a.depth, 2);
}

}  // namespace
}  // namespace tallowen::master
