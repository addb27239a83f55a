#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stop_token>
#include <vector>

#include "engine/board.h"
#include "engine/directions.h"
#include "opponent/master/field.h"
#include "opponent/master/position.h"
#include "opponent/master/transposition_table.h"

namespace tallowen::master {

// How long one search may run: wall time in milliseconds and nodes, 0 for no limit each, and a
// fixed depth (0: deepen until a limit is reached or the game's end is known).
struct Limits {
    int timeMs = 1000;
    std::uint64_t nodes = 0;
    int depth = 0;
};

// What one search is asked: the position with `player` to move, the budget, and the positions
// that stood on the board earlier in the game with the other player to move (each a board of the
// same field), so that the search can tell a move back into one of them.
struct Question {
    Board board;
    int side = 0;
    MoveRule rule = MoveRule::Star;
    int player = 1;
    Limits limits;
    std::vector<Board> earlier;
};

// A move as the board sees it: source and target cell.
struct CellMove {
    int sx = 0, sy = 0, tx = 0, ty = 0;
    bool operator==(const CellMove&) const = default;
};

struct Result {
    std::optional<CellMove> best;  // none when the side cannot move
    int value = 0;                 // for the side to move, from the last completed depth
    int depth = 0;                 // the last completed depth
    std::uint64_t nodes = 0;
    double ms = 0;
};

// Called on the searching thread now and then with the share of the budget used, 0 ... 1.
using Progress = std::function<void(double)>;

// The game-tree search of "PC Master": negamax with alpha-beta and principal-variation search,
// deepened step by step, with a transposition table that lives as long as the object, so that
// later moves of a game reuse what earlier ones found. One search at a time.
//
// A finished game is worth its final count (see finalValue). After the last move looked at, an
// unfinished position is worth the piece difference less the most the other side could gain by
// one move (two a converted piece, one for a grow) just before that last move: the reply the
// search no longer sees. At the root, a move back into an earlier position is worth a tie at most.
class Search {
public:
    // 2^17 buckets of two 16-byte entries: 4 MiB. Over positions of every built-in field, searches
    // of 1.5 and 5 million nodes (about a second's) reached the same depths, values and moves as
    // with a table eight times the size.
    static constexpr int kTableBits = 17;
    static constexpr int kMaxPly = 64;

    // tableBits 0 searches without a transposition table.
    explicit Search(int tableBits = kTableBits);

    // The best move of the player to move. Stops early once the stop token is set; the result then
    // holds what the completed depths found.
    Result run(const Question& question, std::stop_token stop = {}, const Progress& progress = {});

private:
    // One move list a ply; a move and its ordering score packed as score << 32 | move.
    static constexpr int kMaxMoves = 2400;
    struct Ply {
        std::array<std::uint64_t, kMaxMoves> moves;
        std::array<Move, 2> killers{};
    };

    int negamax(const Position& p, int depth, int alpha, int beta, int ply);
    // A node one move above the leaves. Every child is worth the piece difference after the move
    // less the threat unless the move leaves the other side without a move, so the children are
    // valued without being made: a target cell at a time, highest gain first (all jumps to a cell
    // are worth the same, one less than a grow there), looking at single moves only where the
    // other side might be left stuck.
    int frontier(const Position& p, int alpha, int beta);
    // Whether the other side can still move after a move to `to`, whatever its source.
    bool keepsAReply(const Position& p, const Bits& empty, int to) const;
    // A stored value that settles the node at this depth, and the stored move for ordering.
    bool probe(const Position& p, int depth, int alpha, int beta, int& value, Move& move) const;
    void store(const Position& p, int depth, int alphaIn, int beta, int best, Move bestMove);
    // Counts a node; false once the budget is spent or the search is stopped.
    bool countNode();
    int rootSearch(int depth, Move& best);
    // The other side's best gain were it to move now: two a converted piece, one for a grow.
    int threatOf(const Position& p, const Bits& empty) const;
    int generate(const Position& p, int ply, Move tableMove);
    Move pick(Ply& list, int i, int count) const;
    void rememberCutoff(Move move, int depth, int ply);
    void checkBudget();
    double elapsedMs() const;
    CellMove cellsOf(Move move) const;

    TranspositionTable table_;
    std::vector<Ply> plies_;
    std::vector<std::uint32_t> history_;

    std::optional<Field> field_;
    Position root_;
    std::vector<Move> rootMoves_;
    std::vector<std::uint64_t> earlier_;  // keys of the earlier positions, sorted
    std::uint64_t nodes_ = 0;
    std::uint64_t nodeLimit_ = 0;
    std::chrono::steady_clock::time_point start_;
    int timeMs_ = 0;
    std::stop_token stop_;
    const Progress* progress_ = nullptr;
    bool stopped_ = false;
};

}  // namespace tallowen::master
