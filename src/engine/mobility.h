#pragma once

#include "engine/board.h"
#include "engine/directions.h"

namespace tallowen {

// A move from the source cell to the target cell.
struct BoardMove {
    int sx = 0;
    int sy = 0;
    int tx = 0;
    int ty = 0;
    bool operator==(const BoardMove&) const = default;
};

// Whether the player has a piece with an empty cell at one of the direction offsets.
bool hasLegalMove(const Board& board, int side, const Directions& dirs, int player);

// Whether the move is one the rules allow the player: from one of the player's pieces on the field
// to an empty cell of the field at one of the direction offsets.
bool isLegalMove(const Board& board, int side, const Directions& dirs, int player, const BoardMove& move);

}  // namespace tallowen
