#pragma once

#include "engine/board.h"
#include "engine/directions.h"

namespace tallowen::testing {

// A move under the rules written out plainly, apart from the engine's: the target takes the mover's
// piece, a jump (any step that is not a grow) empties the source, and the opponent's pieces next to
// the target along the grow directions change sides.
inline Board playedPlainly(Board board, const Directions& dirs, int player, int sx, int sy, int tx, int ty) {
    bool grows = false;
    for (int i = 0; i < dirs.growCount(); ++i) {
        grows = grows || (sx + dirs.DirX[i] == tx && sy + dirs.DirY[i] == ty);
        auto& neighbour = board(tx + dirs.DirX[i], ty + dirs.DirY[i]);
        if (neighbour == pieceOf(3 - player)) neighbour = pieceOf(player);
    }
    board(tx, ty) = pieceOf(player);
    if (!grows) board(sx, sy) = kEmpty;
    return board;
}

}  // namespace tallowen::testing
