#pragma once

namespace tallowen {

// Where the board surface PL goes inside its frame PLNP so that the computer's source cell is in
// view before it is clicked. Each axis is placed alike: the frame's scale size, the board surface's
// size, the cell size along that axis, the field side and the source cell along that axis. A board
// that fits its frame stays at 0.
double bringIntoViewOffset(double frame, double board, double cell, int side, int sourceCell);

struct BoardPlacement {
    double Left = 0;
    double Top = 0;
};

BoardPlacement bringIntoView(double frameW, double frameH, double boardW, double boardH, double CellW,
                             double CellH, int side, int sourceColumn, int sourceRow);

}  // namespace tallowen
