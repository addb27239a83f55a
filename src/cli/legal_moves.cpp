#include "cli/legal_moves.h"

namespace tallowen::cli {

std::vector<Move> legalMovesByClicks(GameWindow& game) {
    std::vector<Move> moves;
    if (game.GameOver || game.TimCHng.enabled()) return moves;
    const std::uint8_t own = pieceOf(game.CurPlayer);
    for (int x = 0; x < game.Side; ++x)
        for (int y = 0; y < game.Side; ++y) {
            if (game.board(x, y) != own) continue;
            game.PLKlik(x, y);
            for (int i = 0; i <= game.dirs.DirLast; ++i) {
                const int tx = x + game.dirs.DirX[i];
                const int ty = y + game.dirs.DirY[i];
                const int mark = game.marks(tx, ty);
                if (mark == kGrowMark || mark == kJumpMark) moves.push_back({x, y, tx, ty, mark == kGrowMark});
            }
            game.PLKlik(-1, -1);
        }
    return moves;
}

}  // namespace tallowen::cli
