// Game strings come from outside: the command line, the field library in the store, the setup
// window's hand-over. One that the check accepts starts a game under either movement rule, the
// field reads back cell for cell, and moves chosen from the legal ones keep the counts whole and
// can be taken back.
#include <cstdint>
#include <string>
#include <string_view>

#include "cli/legal_moves.h"
#include "engine/field_strings.h"
#include "engine/headless_game.h"
#include "fuzz_check.h"

namespace {

using namespace tallowen;

// What the field of an accepted game string must read back as: the four cell characters kept,
// anything else (the mover's digit included, where the square reaches it) a hole.
std::string expectedField(std::string_view game, int side) {
    std::string field;
    for (std::size_t p = 0; p < static_cast<std::size_t>(side * side); ++p) {
        const char c = p < game.size() ? game[p] : '0';
        field += c == 'X' || c == '+' || c == '-' ? c : '0';
    }
    return field;
}

int holes(const GameWindow& g) {
    int n = 0;
    for (int x = 0; x < g.Side; ++x)
        for (int y = 0; y < g.Side; ++y) n += g.board(x, y) == kNoCell;
    return n;
}

bool clearOutsideField(const GameWindow& g) {
    for (int x = Board::kLo; x <= Board::kHi; ++x)
        for (int y = Board::kLo; y <= Board::kHi; ++y)
            if ((x < 0 || y < 0 || x >= g.Side || y >= g.Side) && g.board(x, y) != kNoCell) return false;
    return true;
}

// The start's first turn change hands every empty cell to the other side when the first mover
// cannot move.
Board filledFor(Board board, int side, int player) {
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            if (board(x, y) == kEmpty) board(x, y) = pieceOf(player);
    return board;
}

void play(MoveRule rule, const std::string& game, std::uint32_t choice) {
    Board parsed;
    const ParsedGame p = parseGameString(game, parsed);
    FUZZ_CHECK(p.side == sideOfGameString(game));
    FUZZ_CHECK(fieldString(parsed, p.side) == expectedField(game, p.side));
    HeadlessGame headless;
    headless.start(rule, game);
    GameWindow& g = headless.game();
    FUZZ_CHECK(g.Side == p.side);
    FUZZ_CHECK(g.board == parsed || g.board == filledFor(parsed, p.side, 3 - p.firstMover));
    const int holeCount = holes(g);
    for (int move = 0; move < 12 && !g.GameOver; ++move) {
        const auto moves = cli::legalMovesByClicks(g);
        if (moves.empty()) break;
        const std::string before = makeSnapshot(g.board, g.Side);
        const cli::Move& m = moves[(choice >> (move % 24)) % moves.size()];
        g.PLKlik(m.sx, m.sy);
        g.PLKlik(m.tx, m.ty);
        headless.finishTurnChange();
        FUZZ_CHECK(holes(g) == holeCount);
        FUZZ_CHECK(clearOutsideField(g));
        if (move == 0 && !g.GameOver) {
            const std::string after = makeSnapshot(g.board, g.Side);
            g.TZ_Click(1);
            headless.finishTurnChange();
            FUZZ_CHECK(makeSnapshot(g.board, g.Side) == before);
            g.PLKlik(m.sx, m.sy);
            g.PLKlik(m.tx, m.ty);
            headless.finishTurnChange();
            FUZZ_CHECK(makeSnapshot(g.board, g.Side) == after);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string game(reinterpret_cast<const char*>(data), size);
    if (gameStringError(game)) return 0;
    std::uint32_t choice = 2166136261u;
    for (const char c : game) choice = (choice ^ static_cast<std::uint8_t>(c)) * 16777619u;
    play(MoveRule::Star, game, choice);
    play(MoveRule::Cross, game, choice);
    return 0;
}
