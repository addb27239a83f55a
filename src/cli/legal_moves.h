#pragma once

#include <vector>

#include "engine/game_window.h"

namespace tallowen::cli {

struct Move {
    int sx, sy, tx, ty;
    bool grow;
};

// The mover's legal moves in scan order (x outer, y inner, then direction), found by selecting each
// own piece through the board clicks and reading the marks the rules leave; the selection is dropped
// again afterwards.
std::vector<Move> legalMovesByClicks(GameWindow& game);

}  // namespace tallowen::cli
