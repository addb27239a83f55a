#include "opponent/master/search.h"

#include <algorithm>
#include <limits>

namespace tallowen::master {

namespace {

constexpr int kInfinity = 30000;
// The budget is looked at every this many nodes.
constexpr std::uint64_t kCheckEvery = 1024;
// Ordering scores: the transposition move first, then by the pieces a move gains, then killers,
// then history.
constexpr std::uint64_t kTableMoveScore = 0x7FFFFFFF;
constexpr std::uint32_t kGainShift = 20;
constexpr std::uint32_t kKillerScore = 1u << 19;
constexpr std::uint32_t kHistoryCap = kKillerScore - 1;
// Moves picked best-first one by one before the rest is sorted at once: most cutoffs come early.
constexpr int kPickedOneByOne = 4;

std::size_t historyIndex(Move m) {
    return static_cast<std::size_t>(isJump(m) ? sourceOf(m) : targetOf(m)) << 8 | static_cast<std::size_t>(targetOf(m));
}

}  // namespace

Search::Search(int tableBits) : table_(tableBits), plies_(kMaxPly + 1), history_(std::size_t{1} << 16) {}

double Search::elapsedMs() const {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start_).count();
}

void Search::checkBudget() {
    if (nodes_ >= nodeLimit_) stopped_ = true;
    if (nodes_ % kCheckEvery != 0) return;
    if (stop_.stop_requested()) stopped_ = true;
    double used = 0;
    if (timeMs_ > 0) {
        used = elapsedMs() / timeMs_;
        if (used >= 1) stopped_ = true;
    }
    if (nodeLimit_ != std::numeric_limits<std::uint64_t>::max())
        used = std::max(used, static_cast<double>(nodes_) / static_cast<double>(nodeLimit_));
    if (progress_ && *progress_) (*progress_)(std::min(used, 1.0));
}

int Search::generate(const Position& p, int ply, Move tableMove) {
    const Field& f = *field_;
    Ply& list = plies_[static_cast<std::size_t>(ply)];
    const Bits empty = p.empty(f);
    Bits growTargets;
    const Bits targets = f.reach(p.own, growTargets) & empty;
    growTargets = growTargets & empty;
    const NeighbourCounts counts = f.growNeighbourCounts(p.other);
    int n = 0;
    const auto add = [&](Move m, int gain) {
        std::uint64_t score;
        if (m == tableMove) {
            score = kTableMoveScore;
        } else {
            const std::uint32_t known = m == list.killers[0] || m == list.killers[1] ? kKillerScore : 0;
            score = static_cast<std::uint64_t>(gain) << kGainShift |
                    std::max(known, std::min(history_[historyIndex(m)], kHistoryCap));
        }
        list.moves[static_cast<std::size_t>(n++)] = score << 32 | m;
    };
    targets.forEach([&](int to) {
        const int gain = 2 * counts.at(to);
        if (growTargets.test(to)) add(growMove(to), gain + 1);
        (f.jumpCells(to) & p.own).forEach([&](int from) { add(jumpMove(from, to), gain); });
    });
    return n;
}

Move Search::pick(Ply& list, int i, int count) const {
    auto* moves = list.moves.data();
    if (i < kPickedOneByOne) {
        std::iter_swap(moves + i, std::max_element(moves + i, moves + count));
    } else if (i == kPickedOneByOne) {
        std::sort(moves + i, moves + count, std::greater<>());
    }
    return static_cast<Move>(moves[i] & 0xFFFFFFFFu);
}

void Search::rememberCutoff(Move move, int depth, int ply) {
    Ply& list = plies_[static_cast<std::size_t>(ply)];
    if (list.killers[0] != move) {
        list.killers[1] = list.killers[0];
        list.killers[0] = move;
    }
    std::uint32_t& h = history_[historyIndex(move)];
    h = std::min<std::uint32_t>(h + static_cast<std::uint32_t>(depth * depth), kHistoryCap);
}

bool Search::probe(const Position& p, int depth, int alpha, int beta, int& value, Move& move) const {
    const TableEntry* e = table_.find(p.key);
    if (!e) return false;
    move = e->move;
    // A stored value counts only at exactly this depth, so the table never changes what a search
    // of a given depth returns; a stored move is tried first at any depth.
    if (e->depth != depth) return false;
    value = e->value;
    return e->bound() == Bound::Exact || (e->bound() == Bound::Lower && value >= beta) ||
           (e->bound() == Bound::Upper && value <= alpha);
}

void Search::store(const Position& p, int depth, int alphaIn, int beta, int best, Move bestMove) {
    const Bound bound = best <= alphaIn ? Bound::Upper : best >= beta ? Bound::Lower : Bound::Exact;
    table_.store(p.key, bestMove, best, depth, bound);
}

bool Search::countNode() {
    if (stopped_) return false;
    ++nodes_;
    if (nodes_ % kCheckEvery == 0 || nodes_ >= nodeLimit_) checkBudget();
    return !stopped_;
}

int Search::negamax(const Position& p, int depth, int alpha, int beta, int ply) {
    if (!countNode()) return 0;
    const Field& f = *field_;
    if (depth == 0) return p.canMove(f) ? p.difference() : p.valueWhenStuck(f);

    int stored = 0;
    Move tableMove = kNoMove;
    if (probe(p, depth, alpha, beta, stored, tableMove)) return stored;
    if (depth == 1) return frontier(p, alpha, beta);
    const int count = generate(p, ply, tableMove);
    if (count == 0) return p.valueWhenStuck(f);

    Ply& list = plies_[static_cast<std::size_t>(ply)];
    const int alphaIn = alpha;
    int best = -kInfinity;
    Move bestMove = kNoMove;
    for (int i = 0; i < count; ++i) {
        const Move m = pick(list, i, count);
        const Position child = p.after(m, f);
        int v;
        if (i == 0) {
            v = -negamax(child, depth - 1, -beta, -alpha, ply + 1);
        } else {
            v = -negamax(child, depth - 1, -alpha - 1, -alpha, ply + 1);
            if (v > alpha && v < beta) v = -negamax(child, depth - 1, -beta, -alpha, ply + 1);
        }
        if (stopped_) return 0;
        if (v <= best) continue;
        best = v;
        bestMove = m;
        if (v <= alpha) continue;
        alpha = v;
        if (v >= beta) {
            rememberCutoff(m, depth, ply);
            break;
        }
    }
    store(p, depth, alphaIn, beta, best, bestMove);
    return best;
}

bool Search::keepsAReply(const Position& p, const Bits& empty, int to) const {
    const Field& f = *field_;
    // A piece the move cannot convert with an empty cell in reach other than `to`: the first few
    // pieces are tried one by one, then all at once.
    Bits open = empty;
    open.reset(to);
    const Bits kept = minus(p.other, f.growCells(to));
    Bits pieces = kept;
    for (int tries = 0; tries < 4 && pieces.any(); ++tries) {
        const int q = pieces.first();
        if (f.reachCells(q).intersects(open)) return true;
        pieces.reset(q);
    }
    return f.reach(pieces).intersects(open);
}

int Search::threatOf(const Position& p, const Bits& empty) const {
    const Field& f = *field_;
    const NeighbourCounts counts = f.growNeighbourCounts(p.own);
    // The empty cells by how many pieces a move there converts, most first; the few at the top
    // are tried one by one for a piece of the other side in reach.
    for (int converted = f.growNeighbourMost(); converted >= 0; --converted) {
        int gain = -1;
        for (Bits cells = empty & counts.exactly(converted); cells.any();) {
            const int to = cells.first();
            cells.reset(to);
            if (f.growCells(to).intersects(p.other)) return 2 * converted + 1;
            if (gain < 0 && f.jumpCells(to).intersects(p.other)) gain = 2 * converted;
        }
        if (gain >= 0) return gain;
    }
    return 0;
}

int Search::frontier(const Position& p, int alpha, int beta) {
    const Field& f = *field_;
    const Bits empty = p.empty(f);
    const NeighbourCounts counts = f.growNeighbourCounts(p.other);
    // The move is the last one looked at: what the other side could gain at once now is taken
    // off the piece difference after it, as the reply the search no longer sees.
    const int threat = threatOf(p, empty);

    const int alphaIn = alpha;
    int best = -kInfinity;
    Move bestMove = kNoMove;
    const auto consider = [&](int v, Move m) {
        if (v <= best) return;
        best = v;
        bestMove = m;
        alpha = std::max(alpha, v);
    };
    // Target cells by gain, highest first: two a converted piece, one for a grow.
    for (int converted = f.growNeighbourMost(); converted >= 0; --converted) {
        const Bits level = empty & counts.exactly(converted);
        for (const bool grows : {true, false}) {
            // A child is worth the piece difference after the move less the threat, unless the
            // other side is left without a move: then it is the final count, which depends only
            // on the pieces the other side keeps. Neither value is higher at a lower gain, so the
            // scan ends once both are no better than the best found.
            const int going = p.difference() + 2 * converted + (grows ? 1 : 0) - threat;
            const int stuck = -finalValue(p.otherCount - converted, f.cellCount() - (p.otherCount - converted));
            if (best >= beta || (going <= best && stuck <= best)) {
                store(p, 1, alphaIn, beta, best, bestMove);
                return best;
            }
            for (Bits cells = level; cells.any();) {
                const int to = cells.first();
                cells.reset(to);
                const Bits sources = f.jumpCells(to) & p.own;
                if (f.growCells(to).intersects(p.own) != grows || (!grows && !sources.any())) continue;
                if (!countNode()) return 0;
                if (keepsAReply(p, empty, to)) {
                    consider(going, grows ? growMove(to) : jumpMove(sources.first(), to));
                } else {
                    // Stuck after a grow; after a jump only when the vacated source gives the
                    // other side no move either.
                    const Bits theirReach = f.reach(minus(p.other, f.growCells(to)));
                    if (grows) consider(stuck, growMove(to));
                    const Bits freeing = sources & theirReach;
                    if (minus(sources, freeing).any()) consider(stuck, jumpMove(minus(sources, freeing).first(), to));
                    if (freeing.any()) consider(p.difference() + 2 * converted - threat, jumpMove(freeing.first(), to));
                }
                if (best >= beta) break;
            }
        }
    }
    if (bestMove == kNoMove) return p.valueWhenStuck(f);
    store(p, 1, alphaIn, beta, best, bestMove);
    return best;
}

int Search::rootSearch(int depth, Move& best) {
    const Field& f = *field_;
    // With one move left to look at, the root is valued as every such node is.
    const int threat = depth == 1 ? threatOf(root_, root_.empty(f)) : 0;
    int alpha = -kInfinity;
    int bestValue = -kInfinity;
    best = kNoMove;
    for (std::size_t i = 0; i < rootMoves_.size(); ++i) {
        const Position child = root_.after(rootMoves_[i], f);
        int v;
        if (depth == 1) {
            if (!countNode()) break;
            v = child.canMove(f) ? -child.difference() - threat : -child.valueWhenStuck(f);
        } else if (i == 0) {
            v = -negamax(child, depth - 1, -kInfinity, -alpha, 1);
        } else {
            v = -negamax(child, depth - 1, -alpha - 1, -alpha, 1);
            if (v > alpha) v = -negamax(child, depth - 1, -kInfinity, -alpha, 1);
        }
        if (stopped_) break;
        // A move back into a position of earlier in the game makes no progress: worth a tie at
        // most, so that a side ahead does not go round in circles.
        if (std::binary_search(earlier_.begin(), earlier_.end(), child.key)) v = std::min(v, 0);
        if (v > bestValue) {
            bestValue = v;
            best = rootMoves_[i];
            alpha = std::max(alpha, v);
        }
    }
    return bestValue;
}

CellMove Search::cellsOf(Move move) const {
    const int to = targetOf(move);
    // Every grow to a cell gives the same position; the lowest own neighbour is the source.
    const int from = isJump(move) ? sourceOf(move) : (field_->growCells(to) & root_.own).first();
    return {columnOf(from), rowOf(from), columnOf(to), rowOf(to)};
}

Result Search::run(const Question& question, std::stop_token stop, const Progress& progress) {
    const Limits& limits = question.limits;
    start_ = std::chrono::steady_clock::now();
    field_.emplace(question.board, question.side, question.rule);
    root_ = Position::of(question.board, *field_, question.player);
    earlier_.clear();
    for (const Board& board : question.earlier) earlier_.push_back(Position::of(board, *field_, 3 - question.player).key);
    std::sort(earlier_.begin(), earlier_.end());
    nodes_ = 0;
    nodeLimit_ = limits.nodes > 0 ? limits.nodes : std::numeric_limits<std::uint64_t>::max();
    timeMs_ = limits.timeMs;
    stop_ = std::move(stop);
    progress_ = &progress;
    stopped_ = false;
    table_.nextAge();
    for (std::uint32_t& h : history_) h /= 2;
    for (Ply& list : plies_) list.killers = {};

    Result result;
    const int count = generate(root_, 0, kNoMove);
    Ply& list = plies_[0];
    std::sort(list.moves.begin(), list.moves.begin() + count, std::greater<>());
    rootMoves_.clear();
    for (int i = 0; i < count; ++i) rootMoves_.push_back(static_cast<Move>(list.moves[static_cast<std::size_t>(i)]));
    if (rootMoves_.empty()) {
        result.value = root_.valueWhenStuck(*field_);
    } else {
        result.best = cellsOf(rootMoves_[0]);
        const int deepest = limits.depth > 0 ? std::min(limits.depth, kMaxPly) : kMaxPly;
        for (int depth = 1; depth <= deepest; ++depth) {
            Move best = kNoMove;
            const int value = rootSearch(depth, best);
            if (stopped_) {
                // A move that proved better than the last depth's choice before the stop is kept.
                if (best != kNoMove && best != rootMoves_[0]) result.best = cellsOf(best);
                break;
            }
            result.value = value;
            result.depth = depth;
            result.best = cellsOf(best);
            const auto chosen = std::find(rootMoves_.begin(), rootMoves_.end(), best);
            std::rotate(rootMoves_.begin(), chosen, chosen + 1);
            if (limits.depth > 0) continue;
            // A sure win, a single move or half the budget spent: a deeper search would not
            // change the choice or could not finish. A sure loss is searched on: a deeper search
            // finds the smallest defeat.
            if (value > kWon || rootMoves_.size() == 1) break;
            if (timeMs_ > 0 && elapsedMs() * 2 > timeMs_) break;
            if (limits.nodes > 0 && nodes_ * 2 > limits.nodes) break;
        }
    }
    result.nodes = nodes_;
    result.ms = elapsedMs();
    progress_ = nullptr;
    return result;
}

}  // namespace tallowen::master
