#pragma once

#include <array>

#include "engine/board_view.h"

namespace tallowen {

// The board surface's layout for one field: the cell size and the sizes of the markers drawn over
// the board.
struct BoardLayout {
    BoardGeometry geometry;
    std::array<int, 3> lineWidths{};  // Line1(0 ... 2)
    double shapeWidth = 0;            // Shape1 ... Shape3
    double shapeHeight = 0;
};

// Cells are BoardW / Side wide and always 4 wide by 3 high; a side below 1 is taken as 1.
BoardLayout boardLayout(int boardWidth, int boardHeight, int side);

}  // namespace tallowen
