#pragma once

#include "engine/game_window.h"
#include "engine/mobility.h"

namespace tallowen {

// The first move of the side to move that grows into an empty cell, scanning column by column.
inline BoardMove firstGrowMove(const GameWindow& g) {
    for (int x = 0; x < g.Side; ++x)
        for (int y = 0; y < g.Side; ++y)
            for (int i = 0; i < g.dirs.growCount(); ++i) {
                const BoardMove m{x, y, x + g.dirs.DirX[i], y + g.dirs.DirY[i]};
                if (isLegalMove(g.board, g.Side, g.dirs, g.CurPlayer, m)) return m;
            }
    return {};
}

}  // namespace tallowen
