#include "opponent/master/position.h"

#include "opponent/master/zobrist.h"

namespace tallowen::master {

Position Position::of(const Board& board, const Field& field, int player) {
    const Zobrist& z = zobrist();
    Position p;
    p.player = player;
    p.key = (player == 2 ? z.player2ToMove : 0) ^ (field.rule() == MoveRule::Cross ? z.cross : 0);
    for (int cell = 0; cell < kCells; ++cell) {
        if (!field.cells().test(cell)) {
            p.key ^= z.noCell[static_cast<std::size_t>(cell)];
            continue;
        }
        const std::uint8_t code = board(columnOf(cell), rowOf(cell));
        if (code != pieceOf(1) && code != pieceOf(2)) continue;
        const int owner = code == pieceOf(1) ? 1 : 2;
        (owner == player ? p.own : p.other).set(cell);
        ++(owner == player ? p.ownCount : p.otherCount);
        p.key ^= z.piece[static_cast<std::size_t>(owner - 1)][static_cast<std::size_t>(cell)];
    }
    return p;
}

Position Position::after(Move move, const Field& field) const {
    const Zobrist& z = zobrist();
    const auto& mine = z.piece[static_cast<std::size_t>(player - 1)];
    const auto& theirs = z.piece[static_cast<std::size_t>(2 - player)];
    const int to = targetOf(move);
    const Bits converted = field.growCells(to) & other;

    Position next;
    next.player = 3 - player;
    next.key = key ^ z.player2ToMove ^ mine[static_cast<std::size_t>(to)];
    Bits moved = own | converted;
    moved.set(to);
    if (isJump(move)) {
        moved.reset(sourceOf(move));
        next.key ^= mine[static_cast<std::size_t>(sourceOf(move))];
    }
    int count = 0;
    converted.forEach([&](int cell) {
        next.key ^= mine[static_cast<std::size_t>(cell)] ^ theirs[static_cast<std::size_t>(cell)];
        ++count;
    });
    next.own = other ^ converted;
    next.other = moved;
    next.ownCount = otherCount - count;
    next.otherCount = ownCount + count + (isJump(move) ? 0 : 1);
    return next;
}

}  // namespace tallowen::master
