#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/field_strings.h"
#include "opponent/master/search.h"

namespace tallowen::master {
namespace {

// The game's value for the mover by plain minimax over the engine's board, `depth` moves deep,
// the unfinished positions valued by the piece difference.
int minimax(const Board& board, int side, const Directions& dirs, int player, int depth) {
    int own = 0, other = 0, empty = 0;
    std::vector<std::array<int, 5>> moves;  // sx, sy, tx, ty, kind
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            own += board(x, y) == pieceOf(player);
            other += board(x, y) == pieceOf(3 - player);
            empty += board(x, y) == kEmpty;
            if (board(x, y) != pieceOf(player)) continue;
            for (int i = 0; i <= dirs.DirLast; ++i)
                if (board(x + dirs.DirX[i], y + dirs.DirY[i]) == kEmpty)
                    moves.push_back({x, y, x + dirs.DirX[i], y + dirs.DirY[i], dirs.DirKind[i]});
        }
    if (moves.empty()) return finalValue(own, other + empty);
    if (depth == 0) return own - other;
    int best = -100000;
    for (const auto& [sx, sy, tx, ty, kind] : moves) {
        Board next = board;
        next(tx, ty) = pieceOf(player);
        if (kind == kJump) next(sx, sy) = kEmpty;
        for (int i = 0; i < dirs.growCount(); ++i)
            if (next(tx + dirs.DirX[i], ty + dirs.DirY[i]) == pieceOf(3 - player))
                next(tx + dirs.DirX[i], ty + dirs.DirY[i]) = pieceOf(player);
        best = std::max(best, -minimax(next, side, dirs, 3 - player, depth - 1));
    }
    return best;
}

struct Game {
    explicit Game(const std::string& gameString) {
        const ParsedGame parsed = parseGameString(gameString, board);
        side = parsed.side;
        player = parsed.firstMover;
    }
    Result search(Search& search, MoveRule rule, int depth) const {
        return search.run(board, side, rule, player, Limits{0, 0, depth});
    }
    int minimax(MoveRule rule, int depth) const {
        return master::minimax(board, side, directionsFor(rule), player, depth);
    }
    Board board;
    int side = 0;
    int player = 1;
};

// Random 5 x 5 fields with holes and a few empty cells, so that many games end within the depth.
std::vector<std::string> randomFields(int count, int empty, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<std::string> fields;
    while (static_cast<int>(fields.size()) < count) {
        std::string s;
        for (int i = 0; i < 25; ++i) s += "000++--"[random() % 7];
        for (int i = 0; i < empty; ++i) s[random() % 25] = 'X';
        fields.push_back(s + (random() % 2 ? "1" : "2"));
    }
    return fields;
}

TEST(MasterSearch, ItsValueIsThePlainMinimaxOnSmallFieldsUnderBothRules) {
    std::vector<std::string> fields = randomFields(20, 4, 7);
    fields.push_back("+-0XX" "-00XX" "0-0XX" "XXXXX" "XXXX-" "1");  // the mover has no move
    fields.push_back("+0-XX" "00XXX" "XXXXX" "XXXXX" "XX---" "1");  // a lone piece against three
    for (const MoveRule rule : {MoveRule::Star, MoveRule::Cross}) {
        Search search(0);
        for (const std::string& field : fields) {
            const Game game(field);
            for (int depth = 1; depth <= 4; ++depth)
                ASSERT_EQ(game.search(search, rule, depth).value, game.minimax(rule, depth))
                    << field << " depth " << depth << (rule == MoveRule::Star ? " star" : " cross");
        }
    }
}

TEST(MasterSearch, TheTableNeverChangesAValueAtAFixedDepth) {
    std::vector<std::string> fields = randomFields(10, 8, 11);
    fields.push_back("+" + std::string(47, 'X') + "-1");
    for (const MoveRule rule : {MoveRule::Star, MoveRule::Cross}) {
        Search plain(0);
        Search tabled(12);  // small, so that entries are replaced too
        for (const std::string& field : fields) {
            const Game game(field);
            // Deepest first, so that the table holds deeper results of the same positions.
            for (int depth = 5; depth >= 1; --depth)
                ASSERT_EQ(game.search(tabled, rule, depth).value, game.search(plain, rule, depth).value)
                    << field << " depth " << depth;
        }
    }
}

TEST(MasterSearch, ASolvableEndIsSolvedAndAWinningMoveChosen) {
    // Player 1 fills (3, 0) and converts both of player 2's pieces, which leaves player 2 without a
    // piece: the game is won 24 to 0 however the rest goes.
    const Game game("+++X-" "++++-" "+++++" "+++XX" "+++XX" "1");
    Search search;
    const Result r = search.run(game.board, game.side, MoveRule::Star, 1, Limits{0, 0, 0});
    EXPECT_EQ(r.value, finalValue(game.side * game.side, 0));
    ASSERT_TRUE(r.best);
    EXPECT_EQ(std::make_pair(r.best->tx, r.best->ty), std::make_pair(3, 0));
    EXPECT_LE(r.depth, 3);
}

TEST(MasterSearch, TheNodeLimitMakesASearchReproducible) {
    const Game game("+" + std::string(47, 'X') + "-1");
    const auto run = [&] {
        Search search;
        return search.run(game.board, game.side, MoveRule::Star, 1, Limits{0, 20000, 0});
    };
    const Result a = run(), b = run();
    EXPECT_LE(a.nodes, 20000u);
    EXPECT_EQ(a.best, b.best);
    EXPECT_EQ(a.value, b.value);
    EXPECT_EQ(a.nodes, b.nodes);
    EXPECT_GE(a.depth, 2);
}

}  // namespace
}  // namespace tallowen::master
