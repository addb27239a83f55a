#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>

#include "engine/field_strings.h"
#include "engine/mobility.h"
#include "opponent/move_search.h"

namespace tallowen {
namespace {

// A parsed position and the candidate tables of a search over it for its first mover.
struct Position {
    Position(const std::string& gameString, MoveRule rule) : dirs(directionsFor(rule)) {
        const ParsedGame parsed = parseGameString(gameString, board);
        side = parsed.side;
        player = parsed.firstMover;
    }

    const Candidates& search(int level, std::optional<LastMove> last = std::nullopt) {
        const SearchInput input{board, side, dirs, player, level, last};
        searchAll(input, *table);
        return *table;
    }

    // The candidate number of the move (sx, sy) -> (tx, ty) in the last search, 0 when absent.
    int find(int sx, int sy, int tx, int ty) const {
        for (int m = 1; m <= table->count; ++m)
            if (table->PcMoveSX[m] == sx && table->PcMoveSY[m] == sy && table->PcMoveTX[m] == tx &&
                table->PcMoveTY[m] == ty)
                return m;
        return 0;
    }

    int valueOf(int sx, int sy, int tx, int ty) const {
        const int m = find(sx, sy, tx, ty);
        EXPECT_NE(m, 0) << "no candidate " << sx << "," << sy << " -> " << tx << "," << ty;
        return m ? table->PcMoveScore[m] : -1000;
    }

    bool isTie(int sx, int sy, int tx, int ty) const {
        const int m = find(sx, sy, tx, ty);
        for (int i = 1; i <= table->tieCount(); ++i)
            if (table->tie(i) == m) return true;
        return false;
    }

    Board board;
    Directions dirs;
    int side = 0;
    int player = 1;
    std::unique_ptr<Candidates> table = std::make_unique<Candidates>();
};

std::string rows(std::initializer_list<const char*> lines) {
    std::string s;
    for (const char* line : lines) s += line;
    return s;
}

// Player 1 grows from (2, 3) or jumps from (1, 3) to (3, 3), next to player 2's pieces at (4, 2),
// (4, 3) and (4, 4).
const std::string kThreeAround =
    rows({"XXXXXXX", "XXXXXXX", "XXXX-XX", "X++X-XX", "XXXX-XX", "XXXXXXX", "XXXXXXX"}) + "1";

TEST(MoveSearchValues, GrowAndJumpNextToThreeOpponentsAtLevelsTwoOneAndZero) {
    Position p(kThreeAround, MoveRule::Star);
    p.search(2);
    EXPECT_EQ(p.valueOf(2, 3, 3, 3), 7);
    EXPECT_EQ(p.valueOf(1, 3, 3, 3), 6);
    EXPECT_EQ(p.table->choiceValue(), 7);

    p.search(1);
    EXPECT_EQ(p.valueOf(2, 3, 3, 3), 3);
    EXPECT_EQ(p.valueOf(1, 3, 3, 3), 3);
    // A quiet grow (1 / 2) and a quiet jump (0 / 2) are worth the same at level 1.
    EXPECT_EQ(p.valueOf(1, 3, 0, 3), 0);
    EXPECT_EQ(p.valueOf(1, 3, 1, 5), 0);

    p.search(0);
    EXPECT_EQ(p.valueOf(2, 3, 3, 3), 993);
    EXPECT_EQ(p.valueOf(1, 3, 3, 3), 994);
    // The weakest moves win: quiet jumps that convert nothing.
    EXPECT_EQ(p.table->choiceValue(), 1000);
    EXPECT_TRUE(p.isTie(1, 3, 1, 5));
    EXPECT_FALSE(p.isTie(1, 3, 0, 3));
}

TEST(MoveSearchValues, CrossConvertsOnlyOrthogonalNeighbours) {
    Position p(kThreeAround, MoveRule::Cross);
    p.search(2);
    // (3, 3) touches (4, 3) orthogonally; (4, 2) and (4, 4) are diagonal.
    EXPECT_EQ(p.valueOf(2, 3, 3, 3), 1 + 2);
    EXPECT_EQ(p.valueOf(1, 3, 3, 3), 0 + 2);
}

TEST(MoveSearchScan, CandidatesFollowColumnsThenRowsThenTheDirectionTable) {
    // Player 2 at (0, 1) and (1, 0); Cross; the column x = 0 is scanned before x = 1.
    Position p(rows({"X-X", "-XX", "XXX"}) + "2", MoveRule::Cross);
    const Candidates& t = p.search(2);
    ASSERT_EQ(t.count, 10);
    const int expected[][4] = {{0, 1, 0, 0}, {0, 1, 1, 1}, {0, 1, 0, 2}, {0, 1, 1, 2}, {0, 1, 2, 1},
                               {1, 0, 2, 0}, {1, 0, 1, 1}, {1, 0, 0, 0}, {1, 0, 2, 1}, {1, 0, 1, 2}};
    for (int m = 1; m <= t.count; ++m) {
        SCOPED_TRACE(m);
        EXPECT_EQ(t.PcMoveSX[m], expected[m - 1][0]);
        EXPECT_EQ(t.PcMoveSY[m], expected[m - 1][1]);
        EXPECT_EQ(t.PcMoveTX[m], expected[m - 1][2]);
        EXPECT_EQ(t.PcMoveTY[m], expected[m - 1][3]);
    }
    // Every grow is worth 1, every jump 0; the grows tie in scan order.
    EXPECT_EQ(t.choiceValue(), 1);
    ASSERT_EQ(t.tieCount(), 6);
    const int ties[] = {1, 2, 3, 6, 7, 8};
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(t.tie(i), ties[i - 1]);
}

// Top left: player 1 at (1, 2) can grow to (2, 2) and convert (3, 1) and (3, 2); player 2's (2, 4)
// then grows to (2, 3), next to three of player 1's pieces. Bottom right: player 1's (9, 9) is
// walled in by holes and can only jump, far from any opponent.
const std::string kGreedyGrow = rows({
    "XXXXXXXXXXX",
    "XXX-XXXXXXX",
    "X+X-XXXXXXX",
    "XXXXXXXXXXX",
    "XX-XXXXXXXX",
    "XXXXXXXXXXX",
    "XXXXXXXXXXX",
    "XXXXXXXXXXX",
    "XXXXXXXX000",
    "XXXXXXXX0+0",
    "XXXXXXXX000",
}) + "1";
const LastMove kFarAway{8, 0, 9, 0};

TEST(MoveSearchLookAhead, AGreedyGrowLosesToAQuietJump) {
    Position p(kGreedyGrow, MoveRule::Star);
    p.search(3, kFarAway);
    EXPECT_EQ(p.valueOf(1, 2, 2, 2), 5 - 7);
    // The jump's windows (around (9, 9), (9, 7) and the last move) hold no opponent piece.
    EXPECT_EQ(p.valueOf(9, 9, 9, 7), 0);
    EXPECT_GE(p.table->choiceValue(), 0);
    EXPECT_TRUE(p.isTie(9, 9, 9, 7));
    EXPECT_FALSE(p.isTie(1, 2, 2, 2));
}

TEST(MoveSearchLookAhead, BeforeAnyMoveTheWholeBoardIsLookedAt) {
    Position p(kGreedyGrow, MoveRule::Star);
    p.search(3);
    EXPECT_EQ(p.valueOf(1, 2, 2, 2), 5 - 7);
    // Now player 2's pieces in the top left answer the quiet jump: (3, 2) grows to (2, 2) or
    // (2, 3), next to player 1's (1, 2).
    EXPECT_EQ(p.valueOf(9, 9, 9, 7), 0 - 3);
}

TEST(MoveSearchLookAhead, OnlyTheFourWindowsAreCopied) {
    // Player 2's piece at (6, 0) lies in no window of the move (0, 6) -> (0, 5) nor of the last move
    // (0, 3) -> (0, 2); the same piece three cells closer to the last move is seen.
    const std::string far = rows({"XXXXXX-", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "+XXXXXX"}) + "1";
    const std::string near = rows({"XXX-XXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "XXXXXXX", "+XXXXXX"}) + "1";
    const LastMove last{0, 3, 0, 2};
    Position a(far, MoveRule::Star);
    a.search(3, last);
    EXPECT_EQ(a.valueOf(0, 6, 0, 5), 1);
    Position b(near, MoveRule::Star);
    b.search(3, last);
    // Its best reply is a grow next to none of player 1's pieces: worth 1.
    EXPECT_EQ(b.valueOf(0, 6, 0, 5), 0);
    // Without a last move the far piece is seen too.
    a.search(3);
    EXPECT_EQ(a.valueOf(0, 6, 0, 5), 0);
}

TEST(MoveSearchLookAhead, AJumpVacatesItsSourceForTheReply) {
    // Holes everywhere but player 1 at (3, 3), (2, 4), (4, 4), player 2 at (3, 2) and the empty
    // (3, 5). After the jump (3, 3) -> (3, 5), player 2 grows into (3, 3) next to two of player 1's
    // pieces (1 + 4); after either grow no cell is left empty.
    Position p(rows({"0000000", "0000000", "000-000", "000+000", "00+0+00", "000X000", "0000000"}) + "1",
               MoveRule::Star);
    p.search(3);
    EXPECT_EQ(p.valueOf(3, 3, 3, 5), 0 - 5);
    EXPECT_EQ(p.valueOf(2, 4, 3, 5), 1);
    EXPECT_EQ(p.valueOf(4, 4, 3, 5), 1);
    p.search(3, LastMove{3, 2, 3, 2});
    EXPECT_EQ(p.valueOf(3, 3, 3, 5), 0 - 5);
}

// The look-ahead as plainly as it can be said: a 32 x 32 board that is all holes, the whole board
// or the four windows copied in, the move and its conversions applied, then every reply of every
// opponent piece on the field valued.
int plainReply(const Position& p, const std::optional<LastMove>& last, int sx, int sy, int tx, int ty, bool jump) {
    LookBoard look;
    const Board& board = p.board;
    auto copy = [&](double cx, double cy) {
        for (int i = -3; i <= 3; ++i)
            for (int j = -3; j <= 3; ++j) {
                const int x = static_cast<int>(std::nearbyint(cx + i)), y = static_cast<int>(std::nearbyint(cy + j));
                if (Board::contains(x, y)) look(x, y) = board(x, y);
            }
    };
    if (!last) {
        for (int x = -3; x <= 18; ++x)
            for (int y = -3; y <= 18; ++y) look(x, y) = board(x, y);
    } else {
        copy(sx, sy);
        copy(tx, ty);
        copy(last->sourceColumn, last->sourceRow);
        copy(last->targetColumn, last->targetRow);
    }
    const int own = pieceOf(p.player), opponent = pieceOf(3 - p.player);
    const Directions& d = p.dirs;
    look(tx, ty) = static_cast<std::uint8_t>(own);
    if (jump) look(sx, sy) = kEmpty;
    for (int e = 0; e < d.growCount(); ++e)
        if (board(tx + d.DirX[e], ty + d.DirY[e]) == opponent) look(tx + d.DirX[e], ty + d.DirY[e]) = static_cast<std::uint8_t>(own);
    int reply = 0;
    for (int qx = 0; qx < p.side; ++qx)
        for (int qy = 0; qy < p.side; ++qy) {
            if (look(qx, qy) != opponent) continue;
            for (int f = 0; f <= d.DirLast; ++f) {
                const int rx = qx + d.DirX[f], ry = qy + d.DirY[f];
                if (look(rx, ry) != kEmpty) continue;
                int v = d.DirKind[f] - 1;
                for (int g = 0; g < d.growCount(); ++g)
                    if (look(rx + d.DirX[g], ry + d.DirY[g]) == own) v += 2;
                reply = std::max(reply, v);
            }
        }
    return reply;
}

// The search works the look-ahead out incrementally (whole board) or window by window; both must
// give exactly what the plain look-ahead gives.
TEST(MoveSearchLookAhead, RepliesMatchThePlainLookAheadOnRandomPositions) {
    std::mt19937 random(42);
    std::uniform_real_distribution<double> u(0, 1);
    for (int trial = 0; trial < 600; ++trial) {
        const int side = 3 + static_cast<int>(random() % 13);
        const MoveRule rule = trial % 2 ? MoveRule::Star : MoveRule::Cross;
        const double own = 0.05 + u(random) / 2, other = 0.05 + u(random) / 2, hole = u(random) / 6;
        std::string field;
        for (int i = 0; i < side * side; ++i) {
            const double r = u(random);
            field += r < own ? '+' : r < own + other ? '-' : r < own + other + hole ? '0' : 'X';
        }
        Position p(field + (trial % 3 ? "1" : "2"), rule);
        std::optional<LastMove> last;
        if (trial % 4 != 0) {
            auto cell = [&] { return static_cast<double>(random() % static_cast<unsigned>(side)); };
            last = LastMove{cell(), cell(), cell(), cell()};
        }
        const SearchInput input{p.board, p.side, p.dirs, p.player, 3, last};
        MoveSearch search(input);
        for (int x = 0; x < side; ++x)
            for (int y = 0; y < side; ++y) {
                if (p.board(x, y) != pieceOf(p.player)) continue;
                for (int d = 0; d <= p.dirs.DirLast; ++d) {
                    const int tx = x + p.dirs.DirX[d], ty = y + p.dirs.DirY[d];
                    if (p.board(tx, ty) != kEmpty) continue;
                    const bool jump = p.dirs.DirKind[d] == kJump;
                    ASSERT_EQ(search.replyTo(x, y, tx, ty, jump), plainReply(p, last, x, y, tx, ty, jump))
                        << "trial " << trial << " move " << x << "," << y << " -> " << tx << "," << ty;
                }
            }
    }
}

TEST(MoveSearch, NoLegalMoveIsReported) {
    Position boxed(rows({"+00X", "000X", "000X", "XXX-"}) + "1", MoveRule::Star);
    EXPECT_FALSE(hasLegalMove(boxed.board, boxed.side, boxed.dirs, 1));
    EXPECT_TRUE(hasLegalMove(boxed.board, boxed.side, boxed.dirs, 2));
    EXPECT_EQ(boxed.search(3).count, 0);
    EXPECT_EQ(boxed.table->tieCount(), 0);
}

}  // namespace
}  // namespace tallowen
