// Snapshot strings hold the positions the undo goes back to. Any text restores exactly the cells
// it covers and reports each change; a snapshot of cell codes taken back by the undo leaves a game
// that goes on by the rules.
#include <cstdint>
#include <set>
#include <string>
#include <utility>

#include "cli/legal_moves.h"
#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "fuzz_check.h"

namespace {

using namespace tallowen;

bool isCellLetter(char c) {
    const int code = c - 'A';
    return code == kNoCell || code == kEmpty || code == pieceOf(1) || code == pieceOf(2);
}

void restoreAlone(const std::string& snapshot, int side) {
    Board board;
    for (int x = Board::kLo; x <= Board::kHi; ++x)
        for (int y = Board::kLo; y <= Board::kHi; ++y) board(x, y) = kEmpty;
    const Board before = board;
    std::set<std::pair<int, int>> changed;
    restoreSnapshot(snapshot, side, board, [&](int x, int y) { FUZZ_CHECK(changed.emplace(x, y).second); });
    for (int x = Board::kLo; x <= Board::kHi; ++x)
        for (int y = Board::kLo; y <= Board::kHi; ++y) {
            const std::size_t p = static_cast<std::size_t>(x * side + y);
            const bool covered = x >= 0 && y >= 0 && x < side && y < side && p < snapshot.size();
            const auto expected = covered ? static_cast<std::uint8_t>(snapshot[p] - 'A') : before(x, y);
            FUZZ_CHECK(board(x, y) == expected);
            FUZZ_CHECK(changed.count({x, y}) == (board(x, y) != before(x, y) ? 1u : 0u));
        }
    if (snapshot.size() >= static_cast<std::size_t>(side * side))
        FUZZ_CHECK(makeSnapshot(board, side) == snapshot.substr(0, static_cast<std::size_t>(side * side)));
}

// A game on an open field of the snapshot's side makes one move, and its undo goes back to the
// snapshot instead of the start.
void undoInto(const std::string& snapshot, int side) {
    if (side < 2 || snapshot.size() != static_cast<std::size_t>(side * side)) return;
    for (const char c : snapshot)
        if (!isCellLetter(c)) return;
    std::string game(static_cast<std::size_t>(side * side), 'X');
    game.front() = '+';
    game.back() = '-';
    HeadlessGame headless;
    headless.start(MoveRule::Star, game + "1");
    GameWindow& g = headless.game();
    g.PLKlik(0, 0);
    g.PLKlik(1, 0);
    headless.finishTurnChange();
    FUZZ_CHECK(g.History.size() >= 2);
    g.History[0] = snapshot;
    g.TZ_Click(1);
    FUZZ_CHECK(makeSnapshot(g.board, g.Side) == snapshot);
    headless.finishTurnChange();
    for (int move = 0; move < 6 && !g.GameOver; ++move) {
        const auto moves = cli::legalMovesByClicks(g);
        if (moves.empty()) break;
        const cli::Move& m = moves[static_cast<std::size_t>(move * 7) % moves.size()];
        g.PLKlik(m.sx, m.sy);
        g.PLKlik(m.tx, m.ty);
        headless.finishTurnChange();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int side = data[0] % kMaxSide + 1;
    const std::string snapshot(reinterpret_cast<const char*>(data) + 1, size - 1);
    restoreAlone(snapshot, side);
    undoInto(snapshot, side);
    return 0;
}
