#pragma once

#include "engine/board.h"
#include "engine/directions.h"

namespace tallowen {

// Whether the player has a piece with an empty cell at one of the direction offsets.
bool hasLegalMove(const Board& board, int side, const Directions& dirs, int player);

}  // namespace tallowen
