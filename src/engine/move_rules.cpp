#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/game_window.h"

namespace tallowen {

void GameWindow::PLKlik(int x, int y) {
    if (TimCHng.enabled()) return;
    if (!Marks::contains(x, y)) return;
    if (Selection == 2) Selection = 0;

    if (Selection == 1) {
        const int m = marks(x, y);
        bool moved = false;
        if (m != kNoMark && m != kSelectedMark) {
            board(x, y) = pieceOf(CurPlayer);
            // The turn change of the position moved from counted it: 2 x TurnCount - 1 moves led here.
            Played.resize(static_cast<std::size_t>(std::max(0.0, 2 * TurnCount - 1)));
            Played.push_back({SelX, SelY, x, y});
            Shape2 = {CellW * x, CellH * y};
            Shape1 = {CellW * SelX, CellH * SelY};
            if (m == kJumpMark) {
                board(SelX, SelY) = kEmpty;
                DRWP(SelX, SelY);
            }
            DRWP(x, y);
            for (int i = 0; i < dirs.growCount(); ++i) {
                const int cx = x + dirs.DirX[i];
                const int cy = y + dirs.DirY[i];
                if (board(cx, cy) != pieceOf(OppPlayer) || dirs.DirKind[i] != kGrow) continue;
                board(cx, cy) = pieceOf(CurPlayer);
                for (Line& line : Line1) {
                    line.X1 = (x + 0.5) * CellW;
                    line.Y1 = (y + 0.5) * CellH;
                    line.X2 = (cx + 0.5) * CellW;
                    line.Y2 = (cy + 0.5) * CellH;
                }
                DRWP(cx, cy);
            }
            for (Line& line : Line1) line.X1 = line.Y1 = line.X2 = line.Y2 = -10;
            ++epoch_;
            // A computer move chosen before this one is stale (a person under the other player's
            // time-out may move while the computer's move for them is pending).
            dropPendingComputerMove();
            Score();
            TimCHng.setEnabled(true);
            moved = true;
        }
        Selection = (m == kSelectedMark || moved) ? 2 : 0;
        clearSelectionMarks();
        ShBrd(SelX, SelY);
        view_.refreshBoard();
        Shape3 = {-2 * CellW, -2 * (BoardH / (Side > 0 ? Side : 1))};
        if (moved && onMove_) onMove_(CurPlayer, {SelX, SelY, x, y});
    }

    if (Selection != 0) return;
    if (board(x, y) != pieceOf(CurPlayer)) return;
    Shape3 = {CellW * x, CellH * y};
    for (int i = 0; i <= dirs.DirLast; ++i) marks(x + dirs.DirX[i], y + dirs.DirY[i]) = dirs.DirKind[i];
    marks(x, y) = kSelectedMark;
    SelX = x;
    SelY = y;
    Selection = 1;
    ShBrd(x, y);
}

void GameWindow::clearSelectionMarks() {
    for (int i = 0; i < Side; ++i)
        for (int j = 0; j < Side; ++j) marks(i, j) = kNoMark;
}

void GameWindow::ShBrd(int XX, int YY) {
    for (int k = 0; k <= dirs.DirLast; ++k) {
        const int nx = XX + dirs.DirX[k];
        const int ny = YY + dirs.DirY[k];
        if (board(nx, ny) != kEmpty && marks(nx, ny) != kSelectedMark) marks(nx, ny) = kNoMark;
    }
    view_.drawTargets(*this, XX, YY);
}

void GameWindow::PL_MouseDown(double X, double Y) {
    if (!PL.Enabled || CellW <= 0 || CellH <= 0) return;
    if (PcLevel[CurPlayer] != 0 || Clock[CurPlayer] == kClockTimedOut || PlayedElsewhere[CurPlayer]) return;
    const double cx = std::floor(X / CellW);
    const double cy = std::floor(Y / CellH);
    // Positions far off the board must not overflow the conversion to a cell number.
    if (std::abs(cx) > 100 || std::abs(cy) > 100) return;
    PLKlik(static_cast<int>(cx), static_cast<int>(cy));
}

}  // namespace tallowen
