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

bool isLegalMove(const Board& board, int side, const Directions& dirs, int player, const BoardMove& move) {
    const auto onField = [side](int x, int y) { return x >= 0 && y >= 0 && x < side && y < side; };
    if (!onField(move.sx, move.sy) || !onField(move.tx, move.ty)) return false;
    if (board(move.sx, move.sy) != pieceOf(player) || board(move.tx, move.ty) != kEmpty) return false;
    for (int i = 0; i <= dirs.DirLast; ++i)
        if (move.sx + dirs.DirX[i] == move.tx && move.sy + dirs.DirY[i] == move.ty) return true;
    return false;
}

}  // namespace tallowen
