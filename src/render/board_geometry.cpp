#include "render/board_geometry.h"

#include "render/rounding.h"

namespace tallowen {

BoardLayout boardLayout(int boardWidth, int boardHeight, int side) {
    const double n = side > 0 ? side : 1;
    BoardLayout l;
    l.geometry.BoardW = boardWidth;
    l.geometry.BoardH = boardHeight;
    l.geometry.CellW = boardWidth / n;
    l.geometry.CellH = l.geometry.CellW / 4 * 3;
    l.lineWidths = {roundHalfEven(l.geometry.CellH / 6), roundHalfEven(l.geometry.CellH / 12), 1};
    l.shapeWidth = boardWidth / n;
    l.shapeHeight = boardHeight / n;
    return l;
}

}  // namespace tallowen
