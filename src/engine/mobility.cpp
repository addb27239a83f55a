#include "engine/mobility.h"

namespace tallowen {

bool hasLegalMove(const Board& board, int side, const Directions& dirs, int player) {
    const std::uint8_t own = pieceOf(player);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y) {
            if (board(x, y) != own) continue;
            for (int i = 0; i <= dirs.DirLast; ++i)
                if (board(x + dirs.DirX[i], y + dirs.DirY[i]) == kEmpty) return true;
        }
    return false;
}

}  // namespace tallowen
