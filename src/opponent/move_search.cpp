#include "opponent/move_search.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/rounding.h"

namespace tallowen {

namespace {

// Copies the 7 x 7 window around (cx, cy) from the board; each coordinate sum is rounded to the
// nearest cell, and cells beyond the board's table are left as holes.
void copyWindow(const Board& board, double cx, double cy, LookBoard& look) {
    for (int i = -3; i <= 3; ++i) {
        const int x = roundHalfEven(cx + i);
        for (int j = -3; j <= 3; ++j) {
            const int y = roundHalfEven(cy + j);
            if (Board::contains(x, y)) look(x, y) = board(x, y);
        }
    }
}

}  // namespace

MoveSearch::MoveSearch(const SearchInput& input)
    : in_(input),
      own_(pieceOf(input.player)),
      opponent_(pieceOf(3 - input.player)),
      growCount_(input.dirs.growCount()),
      ceiling_(1 + 2 * input.dirs.growCount()) {
    if (in_.level == 3 && !in_.last) prepareWholeBoard();
}

void MoveSearch::scanCell(int k, Candidates& table) {
    const int n = in_.side;
    const int x = k / n;
    const int y = k % n;
    if (in_.board(x, y) != own_) return;
    const Directions& d = in_.dirs;
    for (int dir = 0; dir <= d.DirLast; ++dir) {
        const int tx = x + d.DirX[dir];
        const int ty = y + d.DirY[dir];
        if (in_.board(tx, ty) != kEmpty) continue;
        table.add(x, y, tx, ty, valueOf(x, y, tx, ty, dir));
    }
}

int MoveSearch::valueOf(int sx, int sy, int tx, int ty, int direction) {
    const Directions& d = in_.dirs;
    int value = d.DirKind[direction] - 1;
    // Conversions are counted on the real board, around the target only.
    for (int e = 0; e < growCount_; ++e)
        if (in_.board(tx + d.DirX[e], ty + d.DirY[e]) == opponent_ && d.DirKind[e] == kGrow) value += 2;
    switch (in_.level) {
        case 0: return 1000 - value;
        case 1: return static_cast<int>(std::floor(value / 2.0));
        case 3: return value - replyTo(sx, sy, tx, ty, d.DirKind[direction] == kJump);
        default: return value;
    }
}

int MoveSearch::replyTo(int sx, int sy, int tx, int ty, bool jump) {
    return in_.last ? windowReply(sx, sy, tx, ty, jump) : wholeBoardReply(sx, sy, tx, ty, jump);
}

int MoveSearch::windowReply(int sx, int sy, int tx, int ty, bool jump) {
    look_.clear();
    copyWindow(in_.board, sx, sy, look_);
    copyWindow(in_.board, tx, ty, look_);
    copyWindow(in_.board, in_.last->sourceColumn, in_.last->sourceRow, look_);
    copyWindow(in_.board, in_.last->targetColumn, in_.last->targetRow, look_);
    const auto own = static_cast<std::uint8_t>(own_);
    look_(tx, ty) = own;
    if (jump) look_(sx, sy) = kEmpty;
    const Directions& d = in_.dirs;
    for (int e = 0; e < growCount_; ++e) {
        const int cx = tx + d.DirX[e];
        const int cy = ty + d.DirY[e];
        if (in_.board(cx, cy) == opponent_ && d.DirKind[e] == kGrow) look_(cx, cy) = own;
    }

    int reply = 0;
    for (int qx = 0; qx < in_.side; ++qx)
        for (int qy = 0; qy < in_.side; ++qy) {
            if (look_(qx, qy) != opponent_) continue;
            for (int f = 0; f <= d.DirLast; ++f) {
                const int rx = qx + d.DirX[f];
                const int ry = qy + d.DirY[f];
                if (look_(rx, ry) != kEmpty) continue;
                int v = d.DirKind[f] - 1;
                for (int g = 0; g < growCount_; ++g)
                    if (look_(rx + d.DirX[g], ry + d.DirY[g]) == own_) v += 2;
                if (v > reply) {
                    reply = v;
                    if (reply == ceiling_) return reply;
                }
            }
        }
    return reply;
}

int MoveSearch::replyInto(const Board& cells, int x, int y) const {
    const Directions& d = in_.dirs;
    // A reply lands on (x, y) from an opponent piece one direction back; a grow is worth one more
    // than a jump.
    int kind = 0;
    for (int f = 0; f <= d.DirLast && kind < kGrow; ++f)
        if (cells(x - d.DirX[f], y - d.DirY[f]) == opponent_) kind = std::max<int>(kind, d.DirKind[f]);
    if (kind == 0) return -1;
    int v = kind - 1;
    for (int g = 0; g < growCount_; ++g)
        if (cells(x + d.DirX[g], y + d.DirY[g]) == own_) v += 2;
    return v;
}

void MoveSearch::prepareWholeBoard() {
    work_ = in_.board;
    cellsByReply_.assign(static_cast<std::size_t>(ceiling_ + 1), {});
    for (int x = 0; x < in_.side; ++x)
        for (int y = 0; y < in_.side; ++y) {
            if (work_(x, y) != kEmpty) continue;
            const int v = replyInto(work_, x, y);
            if (v >= 0) cellsByReply_[static_cast<std::size_t>(v)].emplace_back(x, y);
        }
}

int MoveSearch::wholeBoardReply(int sx, int sy, int tx, int ty, bool jump) {
    // A cell's reply value depends on the cells up to two steps around it. The move changes the
    // target, the converted cells next to it and, for a jump, the source (which loses an own piece
    // but was never an opponent's), so only replies within three cells of the target or one of
    // the source can differ from the unchanged board's.
    auto near = [&](int x, int y) {
        return (std::abs(x - tx) <= 3 && std::abs(y - ty) <= 3) || (jump && std::abs(x - sx) <= 1 && std::abs(y - sy) <= 1);
    };
    int reply = 0;
    for (int v = ceiling_; v > 0 && reply == 0; --v)
        for (const auto& [x, y] : cellsByReply_[static_cast<std::size_t>(v)])
            if (!near(x, y)) {
                reply = v;
                break;
            }
    if (reply == ceiling_) return reply;

    const Directions& d = in_.dirs;
    std::pair<int, int> changed[10];
    int changes = 0;
    auto set = [&](int x, int y, std::uint8_t code) {
        changed[changes++] = {x, y};
        work_(x, y) = code;
    };
    const auto own = static_cast<std::uint8_t>(own_);
    for (int e = 0; e < growCount_; ++e) {
        const int cx = tx + d.DirX[e];
        const int cy = ty + d.DirY[e];
        if (work_(cx, cy) == opponent_ && d.DirKind[e] == kGrow) set(cx, cy, own);
    }
    set(tx, ty, own);
    if (jump) set(sx, sy, kEmpty);

    auto valueBox = [&](int cx, int cy, int radius) {
        const int x0 = std::max(cx - radius, 0), x1 = std::min(cx + radius, in_.side - 1);
        const int y0 = std::max(cy - radius, 0), y1 = std::min(cy + radius, in_.side - 1);
        for (int x = x0; x <= x1; ++x)
            for (int y = y0; y <= y1; ++y)
                if (work_(x, y) == kEmpty) reply = std::max(reply, replyInto(work_, x, y));
    };
    valueBox(tx, ty, 3);
    if (jump) valueBox(sx, sy, 1);

    // Undo the move on the working board: the source was own, the target empty, the converted
    // cells the opponent's.
    for (int i = 0; i < changes; ++i) {
        const auto [x, y] = changed[i];
        work_(x, y) = (x == tx && y == ty) ? kEmpty : (jump && x == sx && y == sy) ? own : static_cast<std::uint8_t>(opponent_);
    }
    return reply;
}

void searchAll(const SearchInput& input, Candidates& table) {
    table.clear();
    MoveSearch search(input);
    for (int k = 0; k < search.cellCount(); ++k) search.scanCell(k, table);
}

}  // namespace tallowen
