#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "engine/field_strings.h"
#include "opponent/move_search.h"

namespace tallowen {
namespace {

// A parsed position and the candidate table of a search over it for its first mover.
struct Position {
    Position(const std::string& gameString, MoveRule rule = MoveRule::Star)
        : dirs(directionsFor(rule)), side(sideOfGameString(gameString)), player(parseGameString(gameString, board).firstMover) {}
    SearchInput input(int level, std::optional<LastMove> last = std::nullopt) const { return {board, side, dirs, player, level, last}; }
    void search(int level, std::optional<LastMove> last = std::nullopt) { searchAll(input(level, last), *table); }
    // The value of the move (sx, sy) -> (tx, ty) in the last search; -1000 when it is no candidate.
    int valueOf(int sx, int sy, int tx, int ty) const {
        for (int m = 1; m <= table->count; ++m)
            if (std::tie(table->PcMoveSX[m], table->PcMoveSY[m], table->PcMoveTX[m], table->PcMoveTY[m]) == std::tie(sx, sy, tx, ty))
                return table->PcMoveScore[m];
        return -1000;
    }
    Board board;
    Directions dirs;
    int side, player;
    std::unique_ptr<Candidates> table = std::make_unique<Candidates>();
};

TEST(MoveSearchValues, GrowAndJumpNextToThreeOpponentsAtEachLevelAndRule) {
    // Player 1 grows from (2, 3) or jumps from (1, 3) to (3, 3), next to player 2's (4, 2), (4, 3), (4, 4);
    // with Cross only (4, 3) touches (3, 3). At level 0 the weakest moves win: quiet jumps.
    const std::string field = "XXXXXXX" "XXXXXXX" "XXXX-XX" "X++X-XX" "XXXX-XX" "XXXXXXX" "XXXXXXX" "1";
    const struct { MoveRule rule; int level, grow, jump, best; } rows[] = {
        {MoveRule::Star, 2, 7, 6, 7}, {MoveRule::Star, 1, 3, 3, 3}, {MoveRule::Star, 0, 993, 994, 1000},
        {MoveRule::Cross, 2, 1 + 2, 0 + 2, 3}};
    for (const auto& row : rows) {
        Position p(field, row.rule);
        p.search(row.level);
        EXPECT_EQ(p.valueOf(2, 3, 3, 3), row.grow) << row.level;
        EXPECT_EQ(p.valueOf(1, 3, 3, 3), row.jump) << row.level;
        EXPECT_EQ(p.table->choiceValue(), row.best) << row.level;
    }
}

TEST(MoveSearchLookAhead, AGreedyGrowLosesToAQuietJumpFarFromTheLastMove) {
    // Top left: player 1's (1, 2) grows to (2, 2), converting (3, 1) and (3, 2); player 2's (2, 4)
    // then grows to (2, 3) next to three of player 1's pieces. Bottom right: player 1's (9, 9) is
    // walled in by holes and can only jump.
    Position p("XXXXXXXXXXX" "XXX-XXXXXXX" "X+X-XXXXXXX" "XXXXXXXXXXX" "XX-XXXXXXXX" "XXXXXXXXXXX"
               "XXXXXXXXXXX" "XXXXXXXXXXX" "XXXXXXXX000" "XXXXXXXX0+0" "XXXXXXXX000" "1");
    p.search(3, LastMove{8, 0, 9, 0});
    EXPECT_EQ(p.valueOf(1, 2, 2, 2), 5 - 7);
    EXPECT_EQ(p.valueOf(9, 9, 9, 7), 0);
    EXPECT_EQ(p.table->choiceValue(), 0);
}

TEST(MoveSearchLookAhead, AfterAMoveOnlyTheFourWindowsAreLookedAt) {
    // Player 2's (6, 0) lies in no window of the move (0, 6) -> (0, 5), nor of a last move (0, 3) -> (0, 2).
    // Seen, its best reply is a grow next to none of player 1's pieces: worth 1.
    Position p("XXXXXX-" + std::string(35, 'X') + "+XXXXXX1");
    const std::pair<std::optional<LastMove>, int> cases[] = {
        {LastMove{0, 3, 0, 2}, 0}, {LastMove{6, 0, 0, 3}, 1}, {LastMove{0, 3, 6, 0}, 1}, {std::nullopt, 1}};
    for (const auto& [last, reply] : cases) {
        p.search(3, last);
        EXPECT_EQ(p.valueOf(0, 6, 0, 5), 1 - reply);
    }
    // 11 x 11, player 1 at (5, 5), player 2 at (2, 8) (in the source's window only when jumping to
    // (5, 3)) and (10, 5) (in the target's window only when jumping to (7, 5)).
    std::string field(121, 'X');
    field[5 * 11 + 5] = '+';
    field[8 * 11 + 2] = field[5 * 11 + 10] = '-';
    Position q(field + "1");
    q.search(3, LastMove{0, 0, 0, 0});
    EXPECT_EQ(q.valueOf(5, 5, 5, 3), 0 - 1);  // (2, 8) grows
    EXPECT_EQ(q.valueOf(5, 5, 7, 5), 0 - 2);  // (10, 5) jumps next to (7, 5)
}

TEST(MoveSearchLookAhead, AJumpVacatesItsSourceForTheReply) {
    // Only cells left: player 1 at (3, 3), (2, 4), (4, 4), player 2 at (3, 2), the empty (3, 5).
    // After the jump to (3, 5) player 2 grows into (3, 3) next to two of player 1's pieces.
    Position p("0000000" "0000000" "000-000" "000+000" "00+0+00" "000X000" "0000000" "1");
    for (const std::optional<LastMove> last : {std::optional<LastMove>{}, std::optional<LastMove>{{3, 2, 3, 2}}}) {
        p.search(3, last);
        EXPECT_EQ(p.valueOf(3, 3, 3, 5), 0 - 5);
        EXPECT_EQ(p.valueOf(2, 4, 3, 5), 1 - 0);
    }
}

// The whole-board look-ahead works its replies out incrementally; on a field of at most 7 x 7 one
// window around (3, 3) holds the whole field, so the windowed look-ahead values the same replies plainly.
TEST(MoveSearchLookAhead, WholeBoardRepliesMatchWindowsThatCoverTheField) {
    std::mt19937 random(42);
    for (int trial = 0; trial < 1000; ++trial) {
        const std::string mix = std::string(1 + random() % 4, '+') + std::string(1 + random() % 4, '-') +
                                std::string(random() % 2, '0') + std::string(random() % 5, 'X');
        const int side = 3 + static_cast<int>(random() % 5);
        std::string field;
        for (int i = 0; i < side * side; ++i) field += mix[random() % mix.size()];
        const Position p(field + (trial % 3 ? "1" : "2"), trial % 2 ? MoveRule::Star : MoveRule::Cross);
        const SearchInput wholeInput = p.input(3), windowInput = p.input(3, LastMove{3, 3, 3, 3});
        MoveSearch whole(wholeInput), windows(windowInput);
        for (int k = 0; k < side * side * (p.dirs.DirLast + 1); ++k) {
            const int x = k / (p.dirs.DirLast + 1) / side, y = k / (p.dirs.DirLast + 1) % side, d = k % (p.dirs.DirLast + 1);
            const int tx = x + p.dirs.DirX[d], ty = y + p.dirs.DirY[d];
            if (p.board(x, y) != pieceOf(p.player) || p.board(tx, ty) != kEmpty) continue;
            const bool jump = p.dirs.DirKind[d] == kJump;
            ASSERT_EQ(whole.replyTo(x, y, tx, ty, jump), windows.replyTo(x, y, tx, ty, jump)) << field << " move " << k;
        }
    }
}

}  // namespace
}  // namespace tallowen
