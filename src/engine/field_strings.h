#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "engine/board.h"

namespace tallowen {

// Text forms of a position:
//  - field string: one character per cell, row by row ("X" empty, "+" player 1, "-" player 2, "0" hole);
//  - game string: a field string followed by the first mover's digit "1" or "2";
//  - snapshot string: one letter per cell, column by column, "A" + cell code.

// The side a game string describes: the square root of (length - 1), rounded.
int sideOfGameString(std::string_view game);

// Why a game string cannot be played, or nothing when it can: it must be non-empty, describe a
// side of 1 ... kMaxSide and end in "1" or "2".
std::optional<std::string> gameStringError(std::string_view game);

struct ParsedGame {
    int side = 0;
    int firstMover = 1;
};

// Writes the cells of a valid game string into a board that is all 0 beforehand. Characters other
// than the four cell characters leave a hole; characters past the field are ignored.
ParsedGame parseGameString(std::string_view game, Board& board);

// The row-major field string of a board.
std::string fieldString(const Board& board, int side);

std::string makeSnapshot(const Board& board, int side);

// Restores a snapshot into the board, calling onChanged(x, y) for each cell whose code changed.
void restoreSnapshot(std::string_view snapshot, int side, Board& board,
                     const std::function<void(int, int)>& onChanged);

}  // namespace tallowen
